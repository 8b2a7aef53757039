// Ctrl-C, Ctrl-Break and closing the console as a cancel request, on
// Windows. A second one ends the program the ordinary way.
#include <windows.h>

#include <atomic>

#include "cli/clone_host.h"

namespace qm530::cli {

namespace {

std::atomic<bool> g_cancel{false};
// Raised by the handler: a port that waits for the radio watches it.
link::CancelEvent* g_event = nullptr;

// Runs on a thread of its own that the console starts.
BOOL WINAPI OnConsoleEvent(DWORD event) {
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT && event != CTRL_CLOSE_EVENT)
        return FALSE;
    if (g_cancel.exchange(true)) return FALSE;  // the second one: the default ends the program
    if (g_event != nullptr) g_event->Raise();
    return TRUE;
}

}  // namespace

CancelOnSignals::CancelOnSignals() {
    g_cancel = false;
    g_event = new link::CancelEvent;
    ::SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

CancelOnSignals::~CancelOnSignals() {
    ::SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
    delete g_event;
    g_event = nullptr;
}

bool CancelOnSignals::Requested() {
    return g_cancel.load();
}

const link::CancelEvent* CancelOnSignals::Event() {
    return g_event;
}

}  // namespace qm530::cli
