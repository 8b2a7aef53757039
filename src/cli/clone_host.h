#pragma once

#include <string>

#include "cli/command.h"
#include "link/cancel_event.h"
#include "link/transfer.h"

namespace qm530::cli {

// Turns Ctrl-C (SIGINT), SIGTERM and SIGHUP into a cancel request for as long as it
// lives. A second signal ends the program the ordinary way.
class CancelOnSignals {
  public:
    CancelOnSignals();
    ~CancelOnSignals();
    CancelOnSignals(const CancelOnSignals&) = delete;
    CancelOnSignals& operator=(const CancelOnSignals&) = delete;

    static bool Requested();
    // The event a port watches while it waits, so that a cancel ends the
    // wait at once; null when no CancelOnSignals lives.
    static const link::CancelEvent* Event();
};

// The transfer host of the command-line tool: a progress bar on a terminal,
// the Retry/Cancel question on a terminal or a number of silent retries
// without one, and a signal as the Cancel button.
class TerminalHost : public link::TransferHost {
  public:
    TerminalHost(Context& ctx, link::TransferDirection direction, const std::string& label,
                 int retries);
    ~TerminalHost() override;

    link::TransferDirection Direction() override { return direction_; }
    void ShowMessage(int messageId, const std::string& detail) override;
    bool AskRetry(const std::string& detail) override;
    void Progress(int position) override;
    void PumpOne() override {}
    bool CancelRequested() override { return CancelOnSignals::Requested(); }
    void Sleep(int milliseconds) override;

    // Ends the progress bar's line, if one is drawn.
    void EndBar();
    // True when the user answered the Retry/Cancel question with Cancel:
    // the message has been shown already.
    bool Declined() const { return declined_; }

  private:
    Context& ctx_;
    link::TransferDirection direction_;
    std::string label_;
    int retriesLeft_;
    int retriesUsed_ = 0;
    bool bar_;
    bool barDrawn_ = false;
    bool interactive_;
    bool declined_ = false;
};

}  // namespace qm530::cli
