#include "cli/clone_host.h"

#include <cctype>
#include <chrono>
#include <thread>

#include "cli/args.h"
#include "cli/console.h"
#include "model/messages.h"

namespace qm530::cli {

namespace {

constexpr int kBarWidth = 40;

}  // namespace

TerminalHost::TerminalHost(Context& ctx, link::TransferDirection direction,
                           const std::string& label, int retries)
    : ctx_(ctx),
      direction_(direction),
      label_(label),
      retriesLeft_(retries),
      bar_(StderrIsTerminal()),
      interactive_(StdinIsTerminal() && StderrIsTerminal()) {}

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
        const InputLine input = ReadInputLine();
        const std::string& line = input.text;
        // Interrupted by Ctrl-C: go on, so that the next pump step cancels.
        if ((input.interrupted || input.ended) && CancelOnSignals::Requested()) return true;
        if ((input.interrupted || input.ended) && line.empty()) {
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
    // A cancel meanwhile is seen at the next pump step.
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace qm530::cli
