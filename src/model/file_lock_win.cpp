// FileLock on Windows: LockFileEx on the file itself. File names are UTF-8.
#include <windows.h>

#include <chrono>
#include <thread>
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
    if (handle != -1) ::CloseHandle(HandleOf(handle));  // closing drops the lock
}

// The volume and file index: the same for two handles of one file.
bool SameFile(HANDLE a, HANDLE b) {
    BY_HANDLE_FILE_INFORMATION ia{};
    BY_HANDLE_FILE_INFORMATION ib{};
    return ::GetFileInformationByHandle(a, &ia) && ::GetFileInformationByHandle(b, &ib) &&
           ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber &&
           ia.nFileIndexHigh == ib.nFileIndexHigh && ia.nFileIndexLow == ib.nFileIndexLow;
}

HANDLE OpenShared(const std::wstring& name) {
    return ::CreateFileW(name.c_str(), GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
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
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    const std::wstring name = WideOfUtf8(path);
    for (;;) {
        HANDLE file = OpenShared(name);
        if (file == INVALID_HANDLE_VALUE) return FileLock();  // nothing there to lock yet
        FileLock lock(reinterpret_cast<std::intptr_t>(file));
        OVERLAPPED whole{};
        while (!::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD,
                             MAXDWORD, &whole)) {
            if (::GetLastError() != ERROR_LOCK_VIOLATION) return FileLock();  // no locks here
            if (std::chrono::steady_clock::now() >= deadline) {
                return Busy(path);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        // A save replaces the file: the lock counts only on the file that
        // the name stands for now.
        HANDLE named = OpenShared(name);
        if (named == INVALID_HANDLE_VALUE) continue;
        const bool same = SameFile(file, named);
        ::CloseHandle(named);
        if (same) return lock;
    }
}

}  // namespace qm530
