#include "cli/clone_host.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <ctime>

#include "cli/args.h"
#include "model/messages.h"

namespace qm530::cli {

namespace {

volatile sig_atomic_t g_cancel = 0;
// The pipe a signal writes to: its read end becomes readable on Ctrl-C.
int g_pipe[2] = {-1, -1};
struct sigaction g_oldInt {};
struct sigaction g_oldTerm {};

void OnSignal(int) {
    g_cancel = 1;
    const int saved = errno;
    if (g_pipe[1] >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t w = ::write(g_pipe[1], &byte, 1);
    }
    errno = saved;
}

constexpr int kBarWidth = 40;

}  // namespace

CancelOnSignals::CancelOnSignals() {
    g_cancel = 0;
    // Without the pipe a cancel still comes, only at the end of the read
    // that is waiting.
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) g_pipe[0] = g_pipe[1] = -1;
    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    // A port read waiting for the radio restarts after the interruption; it
    // ends because it watches the pipe (see WatchFd). Without SA_RESTART
    // the Retry/Cancel question's read of the terminal returns at once. The
    // handler resets itself, so a second signal ends the program.
    sa.sa_flags = SA_RESETHAND;
    ::sigaction(SIGINT, &sa, &g_oldInt);
    ::sigaction(SIGTERM, &sa, &g_oldTerm);
}

CancelOnSignals::~CancelOnSignals() {
    ::sigaction(SIGINT, &g_oldInt, nullptr);
    ::sigaction(SIGTERM, &g_oldTerm, nullptr);
    for (int& fd : g_pipe) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
}

bool CancelOnSignals::Requested() {
    return g_cancel != 0;
}

int CancelOnSignals::WatchFd() {
    return g_pipe[0];
}

TerminalHost::TerminalHost(Context& ctx, link::TransferDirection direction,
                           const std::string& label, int retries)
    : ctx_(ctx),
      direction_(direction),
      label_(label),
      retriesLeft_(retries),
      bar_(::isatty(STDERR_FILENO) != 0),
      interactive_(::isatty(STDIN_FILENO) != 0 && ::isatty(STDERR_FILENO) != 0) {}

TerminalHost::~TerminalHost() {
    EndBar();
}

void TerminalHost::EndBar() {
    if (!barDrawn_) return;
    ctx_.err << '\n';
    ctx_.err.flush();
    barDrawn_ = false;
}

void TerminalHost::ShowMessage(int, const std::string&) {
    // The command reports the result once the transfer has ended.
}

bool TerminalHost::AskRetry(const std::string& detail) {
    // A failure that a cancel brought about: Retry, so that the next pump
    // step ends the transfer as cancelled.
    if (CancelOnSignals::Requested()) return true;
    EndBar();
    if (!interactive_) {
        if (retriesLeft_ <= 0) return false;
        --retriesLeft_;
        ++retriesUsed_;
        PrintError(ctx_.err, detail + "; retrying (" + std::to_string(retriesUsed_) + " of " +
                                 std::to_string(retriesUsed_ + retriesLeft_) + ")");
        return true;
    }
    PrintError(ctx_.err, MessageText(msg::kCommError));
    PrintError(ctx_.err, detail);
    for (;;) {
        ctx_.err << "Retry or cancel? [r/c] ";
        ctx_.err.flush();
        std::string line;
        char c = 0;
        ssize_t n = 0;
        while ((n = ::read(STDIN_FILENO, &c, 1)) == 1 && c != '\n') line += c;
        // Interrupted by Ctrl-C: go on, so that the next pump step cancels.
        if (n < 0 && CancelOnSignals::Requested()) return true;
        if (n <= 0 && line.empty()) {
            declined_ = true;
            return false;
        }
        const auto first = line.find_first_not_of(" \t");
        const char answer =
            first == std::string::npos
                ? 'r'
                : static_cast<char>(std::tolower(static_cast<unsigned char>(line[first])));
        if (answer == 'r' || answer == 'y') return true;
        if (answer == 'c' || answer == 'n') {
            declined_ = true;
            return false;
        }
    }
}

void TerminalHost::Progress(int position) {
    if (!bar_) return;
    const int steps = link::ProgressSteps(direction_);
    const int filled = position * kBarWidth / steps;
    std::string bar(static_cast<std::size_t>(filled), '#');
    bar.resize(kBarWidth, '.');
    ctx_.err << '\r' << label_ << " [" << bar << "] " << position << '/' << steps;
    ctx_.err.flush();
    barDrawn_ = true;
}

void TerminalHost::Sleep(int milliseconds) {
    timespec ts{};
    ts.tv_sec = milliseconds / 1000;
    ts.tv_nsec = static_cast<long>(milliseconds % 1000) * 1000000L;
    ::nanosleep(&ts, nullptr);  // a signal may end it early; the next pump step sees it
}

}  // namespace qm530::cli
