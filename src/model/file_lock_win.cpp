// FileLock on Windows: a named mutex that stands for the file. A lock on the
// file itself (LockFileEx, or only an open handle) would keep the save from
// replacing the file, since Windows does not rename over an open file. The
// mutex is named after the file's final path, so every name of one file (a
// link, another case, a relative path) takes the same lock. File names are
// UTF-8.
#include <windows.h>

#include <cstdint>
#include <cwctype>
#include <string>
#include <utility>

#include "model/dat_file.h"
#include "model/file_lock.h"
#include "model/win_text.h"

namespace qm530 {

namespace {

HANDLE HandleOf(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

void Release(std::intptr_t handle) {
    if (handle == -1) return;
    ::ReleaseMutex(HandleOf(handle));
    ::CloseHandle(HandleOf(handle));
}

// The path the file's name stands for in the end, in lower case (Windows
// file names ignore case); empty when there is no such file.
std::wstring FinalPathOf(const std::string& path) {
    const HANDLE file = ::CreateFileW(WideOfUtf8(path).c_str(), 0,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::wstring final(1024, L'\0');
    DWORD n = ::GetFinalPathNameByHandleW(file, final.data(), static_cast<DWORD>(final.size()),
                                          FILE_NAME_NORMALIZED);
    if (n >= final.size()) {
        final.resize(n + 1);
        n = ::GetFinalPathNameByHandleW(file, final.data(), static_cast<DWORD>(final.size()),
                                        FILE_NAME_NORMALIZED);
    }
    ::CloseHandle(file);
    if (n == 0 || n >= final.size()) return WideOfUtf8(path);
    final.resize(n);
    for (wchar_t& c : final) c = static_cast<wchar_t>(std::towlower(c));
    return final;
}

// A mutex name for the path: paths may be longer than a name and hold
// backslashes, which names may not, so the name carries a hash of it.
std::wstring MutexName(const std::wstring& finalPath) {
    std::uint64_t hash = 14695981039346656037ull;  // 64-bit FNV-1a
    for (const wchar_t c : finalPath) {
        hash ^= static_cast<std::uint16_t>(c);
        hash *= 1099511628211ull;
    }
    wchar_t hex[17];
    for (int i = 15; i >= 0; --i, hash >>= 4) hex[i] = L"0123456789abcdef"[hash & 0xF];
    hex[16] = L'\0';
    return std::wstring(L"Local\\qm530-file-") + hex;
}

}  // namespace

FileLock::FileLock(FileLock&& other) noexcept : handle_(std::exchange(other.handle_, -1)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        Release(handle_);
        handle_ = std::exchange(other.handle_, -1);
    }
    return *this;
}

FileLock::~FileLock() {
    Release(handle_);
}

Result<FileLock> FileLock::Take(const std::string& path, int waitMs) {
    const std::wstring final = FinalPathOf(path);
    if (final.empty()) return FileLock();  // nothing there to lock yet
    const HANDLE mutex = ::CreateMutexW(nullptr, FALSE, MutexName(final).c_str());
    if (mutex == nullptr) return FileLock();  // no locks here
    switch (::WaitForSingleObject(mutex, static_cast<DWORD>(waitMs))) {
        case WAIT_OBJECT_0:
        case WAIT_ABANDONED:  // its holder ended without letting go
            return FileLock(reinterpret_cast<std::intptr_t>(mutex));
        case WAIT_TIMEOUT:
            ::CloseHandle(mutex);
            return Busy(path);
        default:
            ::CloseHandle(mutex);
            return FileLock();
    }
}

}  // namespace qm530
