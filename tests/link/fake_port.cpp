#include "fake_port.h"

#include "link/transfer.h"

namespace qm530::test {

std::string Hex(const std::vector<std::uint8_t>& bytes) {
    return link::HexBytes(bytes);
}

Status FakePort::Open(const std::string& device) {
    log_.push_back("open " + device);
    open_ = openStatus.ok();
    return openStatus;
}

Status FakePort::Configure() {
    log_.push_back("configure");
    return Status::Ok();
}

link::ReadResult FakePort::Read(std::size_t n) {
    log_.push_back("read " + std::to_string(n));
    link::ReadResult result;
    if (failFirstReplyReads > 0 && lastWritten_ == 'M') {
        --failFirstReplyReads;
        inFlight_.clear();
        result.status = Status::Fail("read: Input/output error");
        return result;
    }
    received_.insert(received_.end(), inFlight_.begin(), inFlight_.end());
    inFlight_.clear();
    while (result.bytes.size() < n && !received_.empty()) {
        result.bytes.push_back(received_.front());
        received_.pop_front();
    }
    return result;
}

Status FakePort::Write(std::span<const std::uint8_t> bytes) {
    std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
    log_.push_back("write " + Hex(data));
    if (data.size() == 4 && (data[0] == link::kReadCommand || data[0] == link::kWriteCommand)) {
        requests_.push_back(data);
    }
    if (!data.empty()) lastWritten_ = data.back();
    if (radio_ == nullptr) return Status::Ok();
    for (std::uint8_t b : data) {
        sim::RadioAction action = radio_->Receive(b);
        if (rewriteReply) rewriteReply(action.reply);
        inFlight_.insert(inFlight_.end(), action.reply.begin(), action.reply.end());
    }
    return Status::Ok();
}

void FakePort::Purge(link::PurgeKind kind) {
    log_.push_back(kind == link::PurgeKind::kAll ? "purge all" : "purge");
    received_.clear();
}

void FakePort::Close() {
    log_.push_back("close");
    open_ = false;
}

link::TransferDirection FakeHost::Direction() {
    const link::TransferDirection d = directions.front();
    if (directions.size() > 1) directions.pop_front();
    return d;
}

void FakeHost::ShowMessage(int messageId, const std::string&) {
    log_.push_back("message " + std::to_string(messageId));
    messages.push_back(messageId);
}

bool FakeHost::AskRetry(const std::string& detail) {
    log_.push_back("ask");
    askedDetails.push_back(detail);
    if (retryAnswers.empty()) return false;
    const bool answer = retryAnswers.front();
    retryAnswers.pop_front();
    return answer;
}

void FakeHost::Progress(int position) {
    log_.push_back("progress " + std::to_string(position));
    progress.push_back(position);
}

void FakeHost::PumpOne() {
    log_.push_back("pump");
    ++pumps;
}

}  // namespace qm530::test
