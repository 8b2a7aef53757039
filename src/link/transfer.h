#pragma once

#include <string>

#include "link/clone_protocol.h"
#include "link/serial_port.h"
#include "model/language.h"
#include "model/radio_image.h"

namespace qm530::link {

// Everything a transfer needs from the program that runs it. The desktop
// program implements it with its progress window and message boxes, the
// command-line tool with a terminal progress bar and signals.
class TransferHost {
  public:
    virtual ~TransferHost() = default;

    // The direction; asked before the transfer and again after the handshake,
    // which is when a changed direction takes effect.
    virtual TransferDirection Direction() = 0;
    // The image is about to be sent: the last moment to bring it up to date
    // (before the port opens).
    virtual void ImageAboutToBeSent() {}
    // The radio has confirmed the handshake; the blocks follow.
    virtual void HandshakeConfirmed() {}
    // A read has received the whole image.
    virtual void ImageReceivedComplete() {}
    // Presents a string-table message with an OK button. `detail` tells
    // what the transfer knows about the failure.
    virtual void ShowMessage(int messageId, const std::string& detail) = 0;
    // Presents message 61451 with Retry and Cancel; true means Retry.
    virtual bool AskRetry(const std::string& detail) = 0;
    // Steps the progress display; `position` counts 1, 2, ... up to 63 or 62.
    virtual void Progress(int position) = 0;
    // Handles at most one pending event of the user interface.
    virtual void PumpOne() = 0;
    // Read right after every pump step; true ends the transfer silently.
    virtual bool CancelRequested() = 0;
    virtual void Sleep(int milliseconds) = 0;
    // Called about every 20 ms while a port call waits for the radio (a
    // silent radio keeps a read waiting for seconds): the place to keep a
    // user interface responsive. True ends the wait as a cancel, and the
    // transfer then ends as at a pump step that sees CancelRequested.
    virtual bool Waiting() { return false; }
};

enum class TransferOutcome { kCompleted, kCancelled, kFailed };

struct TransferResult {
    TransferOutcome outcome = TransferOutcome::kFailed;
    TransferDirection direction = TransferDirection::kRead;
    // For a failure: the string-table message (61451, 61453 or 61454) and
    // what is known about it. By the time RunTransfer returns the host has
    // already been shown it (ShowMessage or AskRetry).
    int messageId = 0;
    std::string detail;
    int blockAddress = -1;  // the block that failed, -1 when none
    int blocksDone = 0;     // blocks completed before the end
    int handshakeAttempts = 0;

    bool completed() const { return outcome == TransferOutcome::kCompleted; }
    // A write that ended, cancelled or failed, after the radio took blocks:
    // it now holds part of the old and part of the new configuration.
    bool PartlyWritten() const {
        return direction == TransferDirection::kWrite && !completed() && blocksDone > 0;
    }
};

// What a partly written radio means for the user, in the language.
std::string PartlyWrittenText(UiLanguage lang);

// Runs one whole read or write of the clone protocol on `port`, opened under
// the device name `device`. A read fills `image` block by block (a failed
// read keeps the blocks received so far); a write sends it. The port is
// closed on every exit. The engine presents nothing itself: every prompt,
// message, progress step, pause and pump step goes through `host`.
TransferResult RunTransfer(const std::string& device, SerialPort& port, RadioImage& image,
                           TransferHost& host);

// A byte in the form the failure details use: 0x06.
std::string HexByte(unsigned value);

// Bytes as hex pairs separated by blanks ("06 52"), for messages and logs.
std::string HexBytes(const std::vector<std::uint8_t>& bytes);

}  // namespace qm530::link
