#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "link/serial_port.h"
#include "link/transfer.h"
#include "sim/radio_protocol.h"

namespace qm530::test {

// One line per call the engine makes, port and host alike, in order:
// "open", "configure", "purge", "write 52 00 00 08", "read 12", "close",
// "sleep 1", "pump", "progress 3", "ask", "message 61454", "image-to-send",
// "handshake-confirmed", "image-received" ...
using CallLog = std::vector<std::string>;

std::string Hex(const std::vector<std::uint8_t>& bytes);

// A port whose far end is a RadioProtocol (or nothing at all). Replies to a
// write are in flight until the next read, so a purge right after a write
// does not lose them, as on a real line.
class FakePort : public link::SerialPort {
  public:
    FakePort(CallLog& log, sim::RadioProtocol* radio) : log_(log), radio_(radio) {}

    Status Open(const std::string& device) override;
    Status Configure() override;
    link::ReadResult Read(std::size_t n) override;
    Status Write(std::span<const std::uint8_t> bytes) override;
    void Purge(link::PurgeKind kind) override;
    void Close() override;
    bool IsOpen() const override { return open_; }
    void SetTimeouts(link::PortTimeouts t) override {
        log_.push_back("timeouts " + std::to_string(t.readConstant));
    }
    void WatchCancel(const link::CancelEvent* cancel) override {
        if (cancel != nullptr) log_.push_back("watch cancel");
    }

    // Every block request written, in order.
    std::vector<std::vector<std::uint8_t>> Requests() const { return requests_; }

    Status openStatus;
    // Read calls that come right after the last handshake byte fail while
    // this is above 0.
    int failFirstReplyReads = 0;
    // May rewrite each reply of the radio before it is delivered.
    std::function<void(std::vector<std::uint8_t>&)> rewriteReply;

  private:
    CallLog& log_;
    sim::RadioProtocol* radio_;
    bool open_ = false;
    std::uint8_t lastWritten_ = 0;
    std::deque<std::uint8_t> inFlight_;
    std::deque<std::uint8_t> received_;
    std::vector<std::uint8_t> pendingRequest_;
    std::vector<std::vector<std::uint8_t>> requests_;
};

// A host that records every call and answers from scripts.
class FakeHost : public link::TransferHost {
  public:
    FakeHost(CallLog& log, link::TransferDirection direction) : directions{direction}, log_(log) {}

    link::TransferDirection Direction() override;
    void ImageAboutToBeSent() override { log_.push_back("image-to-send"); }
    void HandshakeConfirmed() override { log_.push_back("handshake-confirmed"); }
    void ImageReceivedComplete() override {
        log_.push_back("image-received");
        if (onImageReceived) onImageReceived();
    }
    void ShowMessage(int messageId, const std::string& detail) override;
    bool AskRetry(const std::string& detail) override;
    void Progress(int position) override;
    void PumpOne() override;
    bool CancelRequested() override { return cancelAtPump > 0 && pumps >= cancelAtPump; }
    void Sleep(int ms) override { log_.push_back("sleep " + std::to_string(ms)); }

    // Later directions are handed out one per call; the last one repeats.
    std::deque<link::TransferDirection> directions;
    std::deque<bool> retryAnswers;  // empty: Cancel
    std::vector<std::string> askedDetails;
    std::vector<int> messages;
    std::vector<int> progress;
    int pumps = 0;
    int cancelAtPump = 0;  // 0: never
    std::function<void()> onImageReceived;

  private:
    CallLog& log_;
};

}  // namespace qm530::test
