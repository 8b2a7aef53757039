// FileLock on POSIX systems: flock() on the file itself.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>
#include <utility>

#include "model/dat_file.h"
#include "model/file_lock.h"

namespace qm530 {

FileLock::FileLock(FileLock&& other) noexcept : handle_(std::exchange(other.handle_, -1)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        if (handle_ >= 0) ::close(static_cast<int>(handle_));
        handle_ = std::exchange(other.handle_, -1);
    }
    return *this;
}

FileLock::~FileLock() {
    if (handle_ >= 0) ::close(static_cast<int>(handle_));
}

Result<FileLock> FileLock::Take(const std::string& path, int waitMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) return FileLock();  // nothing there to lock yet
        FileLock lock(fd);
        while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR) return FileLock();  // no locks here
            if (std::chrono::steady_clock::now() >= deadline) {
                return Busy(path);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        // A save replaces the file: the lock counts only on the file that
        // the name stands for now.
        struct stat held {};
        struct stat named {};
        if (::fstat(fd, &held) == 0 && ::stat(path.c_str(), &named) == 0 &&
            held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
            return lock;
        }
    }
}

}  // namespace qm530
