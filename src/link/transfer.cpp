#include "link/transfer.h"

#include <cstdio>

#include "model/messages.h"

namespace qm530::link {

namespace {

constexpr int kHandshakePumpSteps = 6;
constexpr int kBlockPumpSteps = 9;
// A handshake whose first reply read fails starts again silently until the
// attempt counter passes this.
constexpr int kSilentRestartLimit = 15;
// A wrong handshake confirmation after more failed attempts than this is
// taken as a radio that needs a reset.
constexpr int kWrongReplyLimit = 5;

std::string BlockName(int address) {
    char text[16];
    std::snprintf(text, sizeof text, "block 0x%03X", address);
    return text;
}

bool IsAck(const ReadResult& r) {
    return r.status.ok() && r.bytes.size() == 1 && r.bytes[0] == kAck;
}

// What a one-byte confirmation read brought instead of 0x06.
std::string DescribeConfirmation(const ReadResult& r) {
    if (!r.status) return r.status.detail();
    if (r.bytes.empty()) return "no reply";
    return "answered " + HexByte(r.bytes[0]) + " instead of " + HexByte(kAck);
}

class Transfer {
  public:
    Transfer(const std::string& device, SerialPort& port, RadioImage& image, TransferHost& host)
        : device_(device), port_(port), image_(image), host_(host) {}

    TransferResult Run();

  private:
    enum class Step { kDone, kCancelled, kFailed };

    // One pump step; false when the user asked to cancel.
    bool Pump() {
        host_.PumpOne();
        return !host_.CancelRequested();
    }
    void WriteByte(std::uint8_t b) { port_.Write(std::span<const std::uint8_t>(&b, 1)); }
    Step Fail(int messageId, const std::string& detail, int blockAddress = -1, bool shown = false) {
        if (!shown) host_.ShowMessage(messageId, detail);
        result_.messageId = messageId;
        result_.detail = detail;
        result_.blockAddress = blockAddress;
        return Step::kFailed;
    }
    // A failure while a cancel is pending is the cancel's doing (a port may
    // end a waiting read early when the user cancels), so the transfer ends
    // silently as at a pump step.
    Step FailUnlessCancelled(int messageId, const std::string& detail, int blockAddress = -1) {
        if (host_.CancelRequested()) return Step::kCancelled;
        return Fail(messageId, detail, blockAddress);
    }
    void ReportProgress() { host_.Progress(++progress_); }
    Step Handshake();
    Step WriteBlocks();
    Step ReadBlocks();

    const std::string& device_;
    SerialPort& port_;
    RadioImage& image_;
    TransferHost& host_;
    TransferResult result_;
    int progress_ = 0;
};

TransferResult Transfer::Run() {
    result_.direction = host_.Direction();
    if (result_.direction == TransferDirection::kWrite) host_.ImageAboutToBeSent();

    const Status opened = port_.Open(device_);
    if (!opened) {
        Fail(msg::kPortOpenFailed, opened.detail());
        return result_;
    }
    // A port that refuses a setting may still work; the handshake will tell.
    port_.Configure();
    port_.SetWaitHook([this] { return host_.Waiting(); });

    Step step = Handshake();
    if (step == Step::kDone) {
        host_.HandshakeConfirmed();
        result_.direction = host_.Direction();
        step = result_.direction == TransferDirection::kWrite ? WriteBlocks() : ReadBlocks();
    }
    port_.SetWaitHook({});
    port_.Close();
    result_.outcome = step == Step::kDone        ? TransferOutcome::kCompleted
                      : step == Step::kCancelled ? TransferOutcome::kCancelled
                                                 : TransferOutcome::kFailed;
    if (step == Step::kCancelled) result_.detail = "cancelled";
    return result_;
}

Transfer::Step Transfer::Handshake() {
    int counter = 1;
    for (;;) {
        for (int i = 0; i < kHandshakePumpSteps; ++i) {
            if (!Pump()) return Step::kCancelled;
            host_.Sleep(1);
        }
        ++result_.handshakeAttempts;
        port_.Purge(PurgeKind::kAll);
        for (std::uint8_t b : kHandshake) {
            host_.Sleep(2);
            port_.Purge(PurgeKind::kClear);
            WriteByte(b);
        }
        std::string problem;
        const ReadResult first = port_.Read(1);  // its byte is not examined
        if (!first.status) {
            host_.Sleep(2);
            ++counter;
            if (counter <= kSilentRestartLimit) continue;
            problem = "handshake: " + first.status.detail();
        } else {
            host_.Sleep(1);
            port_.Purge(PurgeKind::kClear);
            WriteByte(kStx);
            host_.Sleep(1);
            const ReadResult ident = port_.Read(kIdentSize);  // identification, not examined
            if (!ident.status) {
                problem = "handshake: " + ident.status.detail();
            } else {
                port_.Purge(PurgeKind::kClear);
                WriteByte(kAck);
                port_.Purge(PurgeKind::kClear);
                host_.Sleep(1);
                const ReadResult confirm = port_.Read(1);
                if (IsAck(confirm)) return Step::kDone;
                problem = "handshake not confirmed: " + DescribeConfirmation(confirm);
                if (counter > kWrongReplyLimit)
                    return FailUnlessCancelled(msg::kProgramInterrupt, problem);
                ++counter;
            }
        }
        // A Cancel given while a read waited ends the transfer without the prompt.
        if (host_.CancelRequested()) return Step::kCancelled;
        if (!host_.AskRetry(problem)) return Fail(msg::kCommError, problem, -1, true);
        counter = 1;
    }
}

Transfer::Step Transfer::WriteBlocks() {
    for (int address : BlockAddresses(TransferDirection::kWrite)) {
        const auto request = BlockRequest(kWriteCommand, address);
        port_.Purge(PurgeKind::kClear);
        port_.Write(request);
        host_.Sleep(1);
        port_.Write(std::span<const std::uint8_t>(&image_.bytes[static_cast<std::size_t>(address)],
                                                  kBlockSize));
        const ReadResult reply = port_.Read(1);
        if (!IsAck(reply)) {
            return FailUnlessCancelled(msg::kProgramInterrupt,
                                       BlockName(address) + ": " + DescribeConfirmation(reply),
                                       address);
        }
        ++result_.blocksDone;
        if (address % kProgressRowSize == 0) ReportProgress();
        for (int i = 0; i < kBlockPumpSteps; ++i) {
            if (!Pump()) return Step::kCancelled;
        }
    }
    return Step::kDone;
}

Transfer::Step Transfer::ReadBlocks() {
    for (int address : BlockAddresses(TransferDirection::kRead)) {
        const auto request = BlockRequest(kReadCommand, address);
        port_.Purge(PurgeKind::kClear);
        port_.Write(request);
        const ReadResult reply = port_.Read(kReadReplySize);
        if (!reply.status) {
            return FailUnlessCancelled(msg::kProgramInterrupt,
                                       BlockName(address) + ": " + reply.status.detail(), address);
        }
        if (reply.bytes.size() < static_cast<std::size_t>(kReadReplySize)) {
            std::string detail = BlockName(address) + ": " + std::to_string(reply.bytes.size()) +
                                 " of " + std::to_string(kReadReplySize) + " bytes received";
            if (!reply.bytes.empty()) detail += " (" + HexBytes(reply.bytes) + ")";
            return FailUnlessCancelled(msg::kProgramInterrupt, detail, address);
        }
        for (int i = 0; i < kBlockSize; ++i) {
            image_[static_cast<std::size_t>(address + i)] =
                reply.bytes[static_cast<std::size_t>(kReadReplyHeaderSize + i)];
        }
        port_.Purge(PurgeKind::kClear);
        WriteByte(kAck);
        const ReadResult ack = port_.Read(1);
        if (!IsAck(ack)) {
            return FailUnlessCancelled(
                msg::kProgramInterrupt,
                BlockName(address) + ": acknowledge " + DescribeConfirmation(ack), address);
        }
        ++result_.blocksDone;
        if (address % kProgressRowSize == 0) ReportProgress();
        for (int i = 0; i < kBlockPumpSteps; ++i) {
            if (!Pump()) return Step::kCancelled;
        }
    }
    host_.ImageReceivedComplete();
    return Step::kDone;
}

}  // namespace

std::string HexByte(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", value & 0xFFu);
    return text;
}

TransferResult RunTransfer(const std::string& device, SerialPort& port, RadioImage& image,
                           TransferHost& host) {
    Transfer transfer(device, port, image, host);
    return transfer.Run();
}

std::string HexBytes(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    for (std::uint8_t b : bytes) {
        char part[4];
        std::snprintf(part, sizeof part, "%s%02X", text.empty() ? "" : " ", b);
        text += part;
    }
    return text;
}

std::string PartlyWrittenText(UiLanguage lang) {
    static constexpr Bilingual kText{
        "The write did not finish: the radio now holds part of the old and part of the new "
        "configuration. Write it again before using the radio.",
        "写入没有完成：对讲机现在存有部分旧配置和部分新配置。使用对讲机前请重新写入。"};
    return kText.In(lang);
}

}  // namespace qm530::link
