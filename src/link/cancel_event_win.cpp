#include <windows.h>

#include "link/cancel_event.h"

namespace qm530::link {

// A manual-reset event: a waiting overlapped read waits on it together with
// its own completion.
CancelEvent::CancelEvent() {
    HANDLE event = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (event != nullptr) watched_ = reinterpret_cast<std::intptr_t>(event);
}

CancelEvent::~CancelEvent() {
    if (watched_ != -1) ::CloseHandle(reinterpret_cast<HANDLE>(watched_));
}

void CancelEvent::Raise() {
    raised_.store(true);
    if (watched_ != -1) ::SetEvent(reinterpret_cast<HANDLE>(watched_));
}

}  // namespace qm530::link
