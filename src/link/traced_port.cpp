#include "link/traced_port.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "model/local_time.h"
#include "model/messages.h"

namespace qm530::link {

namespace {

std::string WallClock() {
    const std::time_t now = std::time(nullptr);
    const std::tm local = LocalTime(now);
    char text[40];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S %z", &local);
    return text;
}

std::string StatusText(const Status& s) {
    return s.ok() ? "ok" : "error: " + s.detail();
}

}  // namespace

void TracedPort::Begin(const std::string& what, const std::string& device) {
    start_ = std::chrono::steady_clock::now();
    step_ = "-";
    attempts_ = 0;
    ident_.clear();
    if (trace_ == nullptr) return;
    *trace_ << "# " << what << " (" << device << "), started " << WallClock() << '\n'
            << "# time in ms since the start; > sent to the radio, < received from it\n"
            << "#     time  step           event      detail\n";
    trace_->flush();
}

void TracedPort::End(const TransferResult& result) {
    if (trace_ == nullptr) return;
    Line("outcome", OutcomeText(result));
    *trace_ << '\n';
    trace_->flush();
}

double TracedPort::Millis() const {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_)
        .count();
}

void TracedPort::Line(const std::string& event, const std::string& detail) {
    if (trace_ == nullptr) return;
    char head[64];
    std::snprintf(head, sizeof head, "%10.3f  %-14s %-10s ", Millis(), step_.c_str(),
                  event.c_str());
    std::string line = head + detail;
    while (!line.empty() && line.back() == ' ') line.pop_back();
    *trace_ << line << '\n';
}

Status TracedPort::Open(const std::string& device) {
    const Status s = inner_.Open(device);
    Line("open", (device.empty() ? "(no device)" : device) + ": " + StatusText(s));
    return s;
}

Status TracedPort::Configure() {
    const Status s = inner_.Configure();
    Line("configure", "9600 8N1 raw: " + StatusText(s));
    return s;
}

ReadResult TracedPort::Read(std::size_t n) {
    const double before = Millis();
    ReadResult r = inner_.Read(n);
    if (step_.rfind("handshake", 0) == 0 && n == static_cast<std::size_t>(kIdentSize) &&
        r.status.ok()) {
        ident_ = r.bytes;
    }
    char note[80];
    std::snprintf(note, sizeof note, "(%zu of %zu, %.1f ms)", r.bytes.size(), n, Millis() - before);
    std::string detail = r.bytes.empty() ? "nothing" : HexBytes(r.bytes);
    detail += "  ";
    detail += note;
    if (!r.status) detail += " error: " + r.status.detail();
    Line("<", detail);
    return r;
}

Status TracedPort::Write(std::span<const std::uint8_t> bytes) {
    if (bytes.size() == static_cast<std::size_t>(kRequestSize) && bytes[3] == kBlockLength &&
        (bytes[0] == kReadCommand || bytes[0] == kWriteCommand)) {
        char step[24];
        std::snprintf(step, sizeof step, "%s 0x%03X", bytes[0] == kReadCommand ? "read" : "write",
                      bytes[1] * 256 + bytes[2]);
        step_ = step;
    }
    const Status s = inner_.Write(bytes);
    std::string detail = HexBytes(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    if (!s) detail += "  error: " + s.detail();
    Line(">", detail);
    return s;
}

void TracedPort::Purge(PurgeKind kind) {
    // The engine purges everything once per handshake attempt, right
    // before the handshake bytes.
    if (kind == PurgeKind::kAll) step_ = "handshake " + std::to_string(++attempts_);
    inner_.Purge(kind);
    Line("purge", kind == PurgeKind::kAll ? "all" : "received");
}

void TracedPort::Close() {
    const bool wasOpen = inner_.IsOpen();
    inner_.Close();
    if (wasOpen) Line("close", "");
}

std::string OutcomeText(const TransferResult& result) {
    switch (result.outcome) {
        case TransferOutcome::kCompleted:
            return "completed, " + std::to_string(result.blocksDone) + " blocks, " +
                   std::to_string(result.handshakeAttempts) + " handshake attempt" +
                   (result.handshakeAttempts == 1 ? "" : "s");
        case TransferOutcome::kCancelled:
            return "cancelled after " + std::to_string(result.blocksDone) + " blocks";
        case TransferOutcome::kFailed:
            break;
    }
    const char* text = MessageText(result.messageId);
    return "failed after " + std::to_string(result.blocksDone) +
           " blocks: " + std::to_string(result.messageId) + " " + (text != nullptr ? text : "") +
           ": " + result.detail;
}

std::string NewTraceFilePath(const std::string& folder, TransferDirection direction,
                             std::time_t when) {
    const std::tm local = LocalTime(when);
    char stamp[40];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    const std::string base =
        folder + stamp + (direction == TransferDirection::kWrite ? "-write" : "-read");
    std::string path = base + ".txt";
    std::error_code ec;
    for (int n = 2; std::filesystem::exists(path, ec); ++n)
        path = base + "-" + std::to_string(n) + ".txt";
    return path;
}

}  // namespace qm530::link
