#include "sim/in_process_radio.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <thread>

#include "link/cancel_event.h"
#include "link/port_name.h"
#include "model/dat_file.h"
#include "model/messages.h"

namespace qm530::sim {

namespace {

// 10 bits a byte at 9600 bit/s.
constexpr auto kByteTime = std::chrono::microseconds(1042);

// The memories of the radios "virtual" and "virtual:FILE" while the program
// runs; a later transfer finds what an earlier one wrote.
std::mutex g_memoriesMutex;
std::map<std::string, RadioImage>& Memories() {
    static std::map<std::string, RadioImage> memories;
    return memories;
}

RadioImage MemoryOf(const std::string& device) {
    std::lock_guard<std::mutex> lock(g_memoriesMutex);
    auto found = Memories().find(device);
    if (found != Memories().end()) return found->second;
    RadioImage memory = RadioImage::Default();
    const std::string file = link::VirtualRadioFile(device);
    if (!file.empty()) {
        if (const Result<RadioImage> loaded = LoadDatFile(file)) memory = *loaded;
    }
    return memory;
}

}  // namespace

Status InProcessRadioPort::Open(const std::string& device) {
    if (!link::IsVirtualRadioName(device))
        return Status::Fail(device + ": not a virtual radio", msg::kPortOpenFailed);
    device_ = device;
    radio_ = RadioProtocol(MemoryOf(device), Fault{});
    arriving_.clear();
    received_.clear();
    lineFree_ = Clock::now();
    open_ = true;
    return Status::Ok();
}

void InProcessRadioPort::Deliver() {
    const Clock::time_point now = Clock::now();
    while (!arriving_.empty() && arriving_.front().at <= now) {
        received_.push_back(arriving_.front().byte);
        arriving_.pop_front();
    }
}

link::ReadResult InProcessRadioPort::Read(std::size_t n) {
    link::ReadResult result;
    if (!open_) {
        result.status = Status::Fail("port not open");
        return result;
    }
    for (;;) {
        Deliver();
        while (result.bytes.size() < n && !received_.empty()) {
            result.bytes.push_back(received_.front());
            received_.pop_front();
        }
        // A byte on its way comes; nothing on its way never does.
        if (result.bytes.size() == n || arriving_.empty()) break;
        if (cancel_ != nullptr && cancel_->Raised()) {
            result.status = Status::Fail("cancelled");
            break;
        }
        std::this_thread::sleep_until(arriving_.front().at);
    }
    return result;
}

Status InProcessRadioPort::Write(std::span<const std::uint8_t> bytes) {
    if (!open_) return Status::Fail("port not open");
    for (const std::uint8_t b : bytes) {
        // The byte reaches the radio once the line has carried it.
        lineFree_ = std::max(lineFree_, Clock::now()) + kByteTime;
        const RadioAction action = radio_.Receive(b);
        for (const std::uint8_t reply : action.reply) {
            lineFree_ += kByteTime;
            arriving_.push_back({reply, lineFree_});
        }
        if (action.writeCompleted) Store();
    }
    return Status::Ok();
}

void InProcessRadioPort::Purge(link::PurgeKind) {
    Deliver();
    received_.clear();
}

void InProcessRadioPort::Store() {
    std::lock_guard<std::mutex> lock(g_memoriesMutex);
    Memories()[device_] = radio_.Memory();
    const std::string file = link::VirtualRadioFile(device_);
    if (!file.empty()) SaveDatFile(file, radio_.Memory());
}

void InProcessRadioPort::Close() {
    if (!open_) return;
    {
        // What a write that stopped part way stored stays in memory only.
        std::lock_guard<std::mutex> lock(g_memoriesMutex);
        Memories()[device_] = radio_.Memory();
    }
    radio_.LineDropped();
    open_ = false;
}

std::unique_ptr<link::SerialPort> MakePort(const std::string& device) {
    if (link::IsVirtualRadioName(device)) return std::make_unique<InProcessRadioPort>();
    return link::MakeSystemSerialPort();
}

}  // namespace qm530::sim
