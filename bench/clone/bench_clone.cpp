// Reads and writes the paced virtual radio over a pseudo-terminal with the
// real port layer and prints, per direction, the time the blocks took and
// its ratio to the time the bytes need on a 9600 bit/s line.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "bench_runs.h"
#include "link/posix_serial_port.h"
#include "link/transfer.h"
#include "sim/virtual_radio.h"

namespace {

using namespace qm530;
using qm530::bench::Median;
using Clock = std::chrono::steady_clock;

constexpr double kByteSeconds = 10.0 / 9600.0;
// Bytes on the line per block: request, reply, and the acknowledges.
constexpr int kReadBlockBytes = 4 + 12 + 1 + 1;
constexpr int kWriteBlockBytes = 4 + 8 + 1;
// Handshake: 8 + 1 + 1 bytes from the PC, 1 + 8 + 1 from the radio.
constexpr int kHandshakeBytes = 20;

// Notes when the first block request goes out.
class TimedPort : public link::PosixSerialPort {
  public:
    Status Write(std::span<const std::uint8_t> bytes) override {
        if (!firstRequest_ && bytes.size() == 4 &&
            (bytes[0] == link::kReadCommand || bytes[0] == link::kWriteCommand)) {
            firstRequest_ = Clock::now();
        }
        return PosixSerialPort::Write(bytes);
    }
    Clock::time_point FirstRequest() const { return *firstRequest_; }
    bool SawRequest() const { return firstRequest_.has_value(); }

  private:
    std::optional<Clock::time_point> firstRequest_;
};

class BenchHost : public link::TransferHost {
  public:
    explicit BenchHost(link::TransferDirection d) : direction_(d) {}
    link::TransferDirection Direction() override { return direction_; }
    void ShowMessage(int id, const std::string& detail) override {
        std::fprintf(stderr, "message %d: %s\n", id, detail.c_str());
    }
    bool AskRetry(const std::string& detail) override {
        std::fprintf(stderr, "no handshake: %s\n", detail.c_str());
        return false;
    }
    void Progress(int) override {}
    void PumpOne() override {}
    bool CancelRequested() override { return false; }
    void Sleep(int ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

  private:
    link::TransferDirection direction_;
};

struct Run {
    double handshake = 0;  // seconds from the start to the first request
    double blocks = 0;     // seconds from the first request to the end
};

bool Measure(const std::string& device, link::TransferDirection d, RadioImage& image, Run& run) {
    TimedPort port;
    BenchHost host(d);
    const auto start = Clock::now();
    const auto result = link::RunTransfer(device, port, image, host);
    const auto end = Clock::now();
    if (!result.completed() || !port.SawRequest()) return false;
    run.handshake = std::chrono::duration<double>(port.FirstRequest() - start).count();
    run.blocks = std::chrono::duration<double>(end - port.FirstRequest()).count();
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<int> runsGiven = bench::RunsOption(argc, argv);
    if (!runsGiven) return 2;
    const int runs = *runsGiven;
    sim::RadioOptions options;  // paced at 9600 bit/s
    sim::VirtualRadio radio(options);
    const Status started = radio.Start();
    if (!started) {
        std::fprintf(stderr, "virtual radio: %s\n", started.detail().c_str());
        return 1;
    }
    std::printf("virtual radio on %s, paced at 9600 bit/s, %d runs per direction\n\n",
                radio.DevicePath().c_str(), runs);
    const double handshakeWire = kHandshakeBytes * kByteSeconds;
    std::printf("%-6s %12s %10s %10s %7s %10s %10s %7s\n", "", "handshake", "blocks", "wire",
                "ratio", "total", "wire+hs", "ratio");
    for (const auto d : {link::TransferDirection::kRead, link::TransferDirection::kWrite}) {
        const bool read = d == link::TransferDirection::kRead;
        const double wire =
            (read ? link::kReadBlocks * kReadBlockBytes : link::kWriteBlocks * kWriteBlockBytes) *
            kByteSeconds;
        std::vector<double> blockRatios, totalRatios;
        for (int i = 0; i < runs; ++i) {
            RadioImage image = RadioImage::Default();
            Run run;
            if (!Measure(radio.DevicePath(), d, image, run)) {
                std::fprintf(stderr, "%s failed\n", read ? "read" : "write");
                return 1;
            }
            const double total = run.handshake + run.blocks;
            blockRatios.push_back(run.blocks / wire);
            totalRatios.push_back(total / (wire + handshakeWire));
            std::printf("%-6s %9.1f ms %8.3f s %8.3f s %7.3f %8.3f s %8.3f s %7.3f\n",
                        read ? "read" : "write", run.handshake * 1000, run.blocks, wire,
                        blockRatios.back(), total, wire + handshakeWire, totalRatios.back());
        }
        std::printf("%-6s median ratio: blocks %.3f, with handshake %.3f\n\n",
                    read ? "read" : "write", Median(blockRatios), Median(totalRatios));
    }
    std::printf("The handshake also holds 25 ms of fixed pauses (6 x 1 ms, 8 x 2 ms, 3 x 1 ms).\n");
    radio.Stop();
    return 0;
}
