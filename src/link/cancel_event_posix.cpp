#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "link/cancel_event.h"

namespace qm530::link {

// A pipe: its read end becomes readable when Raise writes a byte, which
// poll() sees together with the port.
CancelEvent::CancelEvent() {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) return;
    watched_ = ends[0];
    raiser_ = ends[1];
}

CancelEvent::~CancelEvent() {
    if (watched_ >= 0) ::close(static_cast<int>(watched_));
    if (raiser_ >= 0) ::close(static_cast<int>(raiser_));
}

void CancelEvent::Raise() {
    raised_.store(true);
    if (raiser_ < 0) return;
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(static_cast<int>(raiser_), &byte, 1);
    errno = saved;
}

}  // namespace qm530::link
