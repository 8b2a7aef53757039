#pragma once

#include <cstdint>
#include <string>

#include "model/dat_file.h"
#include "model/result.h"

namespace qm530 {

// An advisory lock on a document file for one read-modify-write: every
// editing command of the tool and the desktop program's save take it, so
// that two of them never interleave and lose an update. Released when the
// object goes. A file that does not exist yet is not locked.
class FileLock {
  public:
    FileLock() = default;
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

    // Waits up to `waitMs` for the lock; then fails, saying the file is busy.
    static Result<FileLock> Take(const std::string& path, int waitMs = kDefaultWaitMs);

    static constexpr int kDefaultWaitMs = 3000;

  private:
    // The refusal when another program holds the lock past the wait.
    static Status Busy(const std::string& path) {
        return Status::Fail(path +
                                ": the file is busy: another program is changing it; try "
                                "again in a moment",
                            savefail::kBusy);
    }
    // A file descriptor on POSIX, a HANDLE on Windows; -1 when none.
    explicit FileLock(std::intptr_t handle) : handle_(handle) {}
    std::intptr_t handle_ = -1;
};

}  // namespace qm530
