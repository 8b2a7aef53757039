#include "sim/in_process_radio.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "link/port_name.h"
#include "link/transfer_setup.h"
#include "model/dat_file.h"

namespace qm530::test {
namespace {

using link::TransferDirection;

// A host that answers nothing and never cancels.
class QuietHost : public link::TransferHost {
  public:
    explicit QuietHost(TransferDirection d) : direction_(d) {}
    TransferDirection Direction() override { return direction_; }
    void ShowMessage(int, const std::string&) override {}
    bool AskRetry(const std::string&) override { return false; }
    void Progress(int) override {}
    void PumpOne() override {}
    bool CancelRequested() override { return false; }
    void Sleep(int ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

  private:
    TransferDirection direction_;
};

link::TransferReport Transfer(const std::string& device, TransferDirection d, RadioImage& image) {
    link::TransferSetup setup = link::TransferSetup::ForPort(device, nullptr);
    setup.makePort = sim::MakePort;
    QuietHost host(d);
    return link::RunTransferSetup(setup, image, host);
}

TEST(InProcessRadio, TheVirtualPortNamesAreKnown) {
    EXPECT_TRUE(link::IsVirtualRadioName("virtual"));
    EXPECT_TRUE(link::IsVirtualRadioName("virtual:radio.dat"));
    EXPECT_FALSE(link::IsVirtualRadioName("virtually"));
    EXPECT_FALSE(link::IsVirtualRadioName("COM1"));
    EXPECT_EQ(link::VirtualRadioFile("virtual:C:/radios/a.dat"), "C:/radios/a.dat");
    EXPECT_EQ(link::VirtualRadioFile("virtual"), "");
}

TEST(InProcessRadio, WriteThenReadGivesBackWhatWasWrittenAtTheLinesSpeed) {
    const std::string device = "virtual:test-write-read";
    RadioImage written = RadioImage::Default();
    written[0x10] = 0x45;
    written[0x3E0] = 0x12;
    const auto start = std::chrono::steady_clock::now();
    const link::TransferReport w = Transfer(device, TransferDirection::kWrite, written);
    ASSERT_TRUE(w.result.completed()) << w.result.detail;
    EXPECT_TRUE(w.handshakeConfirmed);
    EXPECT_EQ(std::string(w.identification.begin(), w.identification.end()), "QM530SIM");
    // 124 blocks of 13 bytes and their acknowledges at 1.04 ms a byte.
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1600));

    RadioImage read = RadioImage::Blank();
    const link::TransferReport r = Transfer(device, TransferDirection::kRead, read);
    ASSERT_TRUE(r.result.completed()) << r.result.detail;
    for (int a = 0; a < static_cast<int>(kImageSize); ++a) {
        if (!link::CarriedBothWays(a)) continue;
        EXPECT_EQ(read[static_cast<std::size_t>(a)], written[static_cast<std::size_t>(a)]) << a;
    }
    std::filesystem::remove("test-write-read");
}

TEST(InProcessRadio, AFileRadioKeepsItsMemoryInTheFile) {
    const std::string file = "in-process-radio.dat";
    std::filesystem::remove(file);
    RadioImage image = RadioImage::Default();
    image[0x20] = 0x77;
    ASSERT_TRUE(Transfer("virtual:" + file, TransferDirection::kWrite, image).result.completed());
    const Result<RadioImage> saved = LoadDatFile(file);
    ASSERT_TRUE(saved);
    EXPECT_EQ((*saved)[0x20], 0x77);
    std::filesystem::remove(file);
}

TEST(InProcessRadio, OtherNamesGetThePlatformsSerialPort) {
    RadioImage image = RadioImage::Default();
    const link::TransferReport r = Transfer("no-such-port-here", TransferDirection::kRead, image);
    EXPECT_EQ(r.result.messageId, 61453);
}

}  // namespace
}  // namespace qm530::test
