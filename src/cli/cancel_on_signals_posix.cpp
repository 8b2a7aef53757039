// Ctrl-C, SIGTERM and SIGHUP as a cancel request, on POSIX.
#include <signal.h>

#include "cli/clone_host.h"

namespace qm530::cli {

namespace {

volatile sig_atomic_t g_cancel = 0;
// Raised by a signal: a port that waits for the radio watches it.
link::CancelEvent* g_event = nullptr;
struct sigaction g_oldInt {};
struct sigaction g_oldTerm {};
struct sigaction g_oldHup {};

void OnSignal(int) {
    g_cancel = 1;
    if (g_event != nullptr) g_event->Raise();
}

}  // namespace

CancelOnSignals::CancelOnSignals() {
    g_cancel = 0;
    g_event = new link::CancelEvent;
    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    // A port read waiting for the radio restarts after the interruption; it
    // ends because it watches the event (see Event). Without SA_RESTART
    // the Retry/Cancel question's read of the terminal returns at once. The
    // handler resets itself, so a second signal ends the program.
    sa.sa_flags = SA_RESETHAND;
    ::sigaction(SIGINT, &sa, &g_oldInt);
    ::sigaction(SIGTERM, &sa, &g_oldTerm);
    // A closed terminal ends a transfer the same way.
    ::sigaction(SIGHUP, &sa, &g_oldHup);
}

CancelOnSignals::~CancelOnSignals() {
    ::sigaction(SIGINT, &g_oldInt, nullptr);
    ::sigaction(SIGTERM, &g_oldTerm, nullptr);
    ::sigaction(SIGHUP, &g_oldHup, nullptr);
    delete g_event;
    g_event = nullptr;
}

bool CancelOnSignals::Requested() {
    return g_cancel != 0;
}

const link::CancelEvent* CancelOnSignals::Event() {
    return g_event;
}

}  // namespace qm530::cli
