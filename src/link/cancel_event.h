#pragma once

#include <atomic>
#include <cstdint>

namespace qm530::link {

// Raised once the user cancels (Ctrl-C, or another thread); a port read
// that waits for the radio watches it and ends at once instead of at its
// time-out. Raise may be called from a signal handler. Once raised it
// stays raised.
class CancelEvent {
  public:
    CancelEvent();
    ~CancelEvent();
    CancelEvent(const CancelEvent&) = delete;
    CancelEvent& operator=(const CancelEvent&) = delete;

    void Raise();
    bool Raised() const { return raised_.load(); }
    // What a waiting read waits on: on POSIX a descriptor that becomes
    // readable once raised, on Windows a manual-reset event handle.
    std::intptr_t Native() const { return watched_; }

  private:
    std::atomic<bool> raised_{false};
    std::intptr_t watched_ = -1;
    std::intptr_t raiser_ = -1;  // POSIX: the pipe's write end
};

}  // namespace qm530::link
