// Reading the start of a file on Windows. File names are UTF-8.
#include <windows.h>

#include "model/file_head.h"
#include "model/win_text.h"

namespace qm530 {

namespace {

Status OpenFailure(const std::string& path, DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
            return Status::Fail(path + ": no such file", openfail::kMissing);
        case ERROR_CANT_RESOLVE_FILENAME:
            return Status::Fail(path + ": a loop of symbolic links", openfail::kLinkLoop);
        default:
            return Status::Fail(path + ": cannot open the file for reading", openfail::kUnreadable);
    }
}

}  // namespace

Result<FileHead> ReadFileHead(const std::string& path, std::size_t want) {
    const std::wstring name = WideOfUtf8(path);
    const DWORD attributes = ::GetFileAttributesW(name.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0)
        return Status::Fail(path + ": not a regular file", openfail::kNotAFile);
    HANDLE file = ::CreateFileW(name.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return OpenFailure(path, ::GetLastError());
    struct Closer {
        HANDLE file;
        ~Closer() { ::CloseHandle(file); }
    } closer{file};
    // A serial port or a console opened by name is no file.
    if (::GetFileType(file) != FILE_TYPE_DISK)
        return Status::Fail(path + ": not a regular file", openfail::kNotAFile);
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file, &size))
        return Status::Fail(path + ": read error", openfail::kReadError);
    FileHead head;
    head.size = static_cast<std::uintmax_t>(size.QuadPart);
    head.bytes.assign(want, '\0');
    std::size_t got = 0;
    while (got < want) {
        DWORD n = 0;
        if (!::ReadFile(file, head.bytes.data() + got, static_cast<DWORD>(want - got), &n, nullptr))
            return Status::Fail(path + ": read error", openfail::kReadError);
        if (n == 0) break;
        got += n;
    }
    head.bytes.resize(got);
    return head;
}

}  // namespace qm530
