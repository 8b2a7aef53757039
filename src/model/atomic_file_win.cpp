// Atomic saves on Windows: a temporary file beside the target, flushed to
// disk, then moved over the target with MoveFileExW, which (unlike
// std::rename there) replaces an existing file. File names are UTF-8.
#include <windows.h>

#include <filesystem>
#include <string>

#include "model/atomic_file.h"
#include "model/win_text.h"

namespace qm530 {

namespace {

std::string ErrorText(DWORD error) {
    char* buffer = nullptr;
    const DWORD n = ::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text = n > 0 && buffer != nullptr ? std::string(buffer, n) : std::string();
    if (buffer != nullptr) ::LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == '.'))
        text.pop_back();
    return text.empty() ? "error " + std::to_string(error) : text;
}

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    if (slash == std::string::npos) return ".";
    return path.substr(0, slash == 0 ? 1 : slash);
}

std::string BaseNameOf(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

DWORD Attributes(const std::string& path) {
    return ::GetFileAttributesW(WideOfUtf8(path).c_str());
}

bool IsReadOnlyFile(const std::string& path) {
    const DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_READONLY) != 0;
}

// Writes all of `data` and flushes it to disk.
bool WriteAndFlush(HANDLE file, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(data.size() - done, 1 << 20));
        if (!::WriteFile(file, data.data() + done, chunk, &written, nullptr)) return false;
        done += written;
    }
    return ::FlushFileBuffers(file) != 0;
}

// The temporary files a write of a file leaves are named
// ".NAME.tmpXXXXXX" beside it. One that is there when the next write of the
// same file starts was left by a write that was killed before its move: the
// next write removes it.
void RemoveLeftovers(const std::string& dir, const std::string& prefix) {
    WIN32_FIND_DATAW found{};
    const HANDLE search =
        ::FindFirstFileW(WideOfUtf8(dir + "/" + prefix + "??????").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (IsTemporaryName(Utf8OfWide(found.cFileName), prefix))
            ::DeleteFileW((WideOfUtf8(dir) + L"/" + found.cFileName).c_str());
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}

// A write replaces only a regular file, or makes a new one: a folder or a
// device under the name is refused.
Status CheckReplaceable(const std::string& requested, const std::string& path) {
    const DWORD a = Attributes(path);
    if (a == INVALID_FILE_ATTRIBUTES) return Status::Ok();
    if ((a & FILE_ATTRIBUTE_DIRECTORY) != 0) return Status::Fail(requested + ": is a directory");
    if ((a & FILE_ATTRIBUTE_DEVICE) != 0)
        return Status::Fail(requested + ": not a regular file; it is not replaced");
    return Status::Ok();
}

}  // namespace

Status WriteFileAtomically(const std::string& requested, const std::string& data) {
    const std::string path = WriteTargetOf(requested);
    if (Status s = CheckReplaceable(requested, path); !s) return s;
    if (IsReadOnlyFile(path)) return Status::Fail(requested + ": the file is read-only");
    const std::string dir = DirectoryOf(path);
    const std::string prefix = TemporaryPrefix(BaseNameOf(path));
    RemoveLeftovers(dir, prefix);
    std::string tmp;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        tmp = dir + "/" + prefix + RandomTemporarySuffix();
        file = ::CreateFileW(WideOfUtf8(tmp).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) break;
    }
    if (file == INVALID_HANDLE_VALUE) {
        return Status::Fail(path + ": cannot create a temporary file in " + dir + ": " +
                            ErrorText(::GetLastError()));
    }
    const bool written = WriteAndFlush(file, data);
    const DWORD writeError = ::GetLastError();
    ::CloseHandle(file);
    if (!written) {
        ::DeleteFileW(WideOfUtf8(tmp).c_str());
        return Status::Fail(path + ": write error: " + ErrorText(writeError));
    }
    if (!::MoveFileExW(WideOfUtf8(tmp).c_str(), WideOfUtf8(path).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = ::GetLastError();
        ::DeleteFileW(WideOfUtf8(tmp).c_str());
        return Status::Fail(path + ": cannot replace the file: " + ErrorText(error));
    }
    return Status::Ok();
}

Status CheckWritable(const std::string& requested) {
    const std::string path = WriteTargetOf(requested);
    const DWORD a = Attributes(path);
    if (a != INVALID_FILE_ATTRIBUTES) {
        if ((a & FILE_ATTRIBUTE_DIRECTORY) != 0)
            return Status::Fail(requested + ": is a directory");
        if ((a & FILE_ATTRIBUTE_READONLY) != 0)
            return Status::Fail(requested + ": the file is read-only");
    }
    const std::string dir = DirectoryOf(path);
    const DWORD d = Attributes(dir);
    if (d == INVALID_FILE_ATTRIBUTES || (d & FILE_ATTRIBUTE_DIRECTORY) == 0)
        return Status::Fail(requested + ": the directory " + dir + " does not exist");
    return Status::Ok();
}

Status RewriteFileInPlace(const std::string& path, const std::string& data) {
    HANDLE file = ::CreateFileW(WideOfUtf8(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return Status::Fail(path +
                            ": cannot open the file for writing: " + ErrorText(::GetLastError()));
    }
    const bool ok = WriteAndFlush(file, data);
    const DWORD error = ::GetLastError();
    ::CloseHandle(file);
    return ok ? Status::Ok() : Status::Fail(path + ": write error: " + ErrorText(error));
}

}  // namespace qm530
