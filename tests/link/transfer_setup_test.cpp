#include "link/transfer_setup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "config/ini_file.h"
#include "fake_port.h"
#include "link/backup_store.h"
#include "link/cancel_event.h"
#include "model/dat_file.h"
#include "model/messages.h"

namespace qm530::test {
namespace {

using link::TransferDirection;

// A set-up whose ports are FakePorts on one radio; it keeps the device each
// port was made for.
struct SetupRig {
    explicit SetupRig(TransferDirection direction)
        : radio(RadioImage::Default(), {}), host(log, direction) {
        setup.portName = "COM2";
        setup.device = "/dev/ttyTEST";
        setup.makePort = [this](const std::string& device) {
            madeFor.push_back(device);
            auto port = std::make_unique<FakePort>(log, &radio);
            port->openStatus = openStatus;
            return port;
        };
    }
    link::TransferReport Run() { return link::RunTransferSetup(setup, image, host); }
    std::size_t Index(const std::string& entry) const {
        return static_cast<std::size_t>(std::find(log.begin(), log.end(), entry) - log.begin());
    }

    CallLog log;
    sim::RadioProtocol radio;
    FakeHost host;
    link::TransferSetup setup;
    Status openStatus;
    std::vector<std::string> madeFor;
    RadioImage image = RadioImage::Blank();
};

TEST(TransferSetup, ForPortResolvesTheDeviceAsTheProgramsDo) {
    const std::string path = ::testing::TempDir() + "setup-ports.ini";
    std::ofstream(path) << "[Ports]\nCOM2=/dev/ttyACM7\n";
    config::CIniFile ini;
    ASSERT_TRUE(ini.Load(path, false, true, false));
    const link::TransferSetup named = link::TransferSetup::ForPort("com2", &ini);
    EXPECT_EQ(named.portName, "com2");
    EXPECT_EQ(named.device, "/dev/ttyACM7");
    EXPECT_EQ(link::TransferSetup::ForPort("/dev/ttyS3", &ini).device, "/dev/ttyS3");
    EXPECT_EQ(link::TransferSetup::ForPort("COM0", nullptr).device, "");
}

TEST(TransferSetup, ReadTracesTheTransferAndKeepsTheIdentification) {
    SetupRig rig(TransferDirection::kRead);
    std::ostringstream trace;
    rig.setup.trace = &trace;
    rig.setup.traceHeading = "read on port COM2";
    const link::TransferReport report = rig.Run();

    ASSERT_TRUE(report.result.completed());
    EXPECT_EQ(rig.madeFor, std::vector<std::string>{"/dev/ttyTEST"});
    EXPECT_TRUE(report.handshakeConfirmed);
    EXPECT_EQ(report.identification, std::vector<std::uint8_t>(sim::RadioProtocol::kIdent.begin(),
                                                               sim::RadioProtocol::kIdent.end()));
    EXPECT_EQ(rig.image, rig.radio.Memory());
    // The host hears of the handshake once, before the first block request.
    EXPECT_LT(rig.Index("handshake-confirmed"), rig.Index("write 52 00 00 08"));
    EXPECT_EQ(std::count(rig.log.begin(), rig.log.end(), "handshake-confirmed"), 1);
    const std::string text = trace.str();
    EXPECT_EQ(text.rfind("# read on port COM2 (/dev/ttyTEST), started ", 0), 0u) << text;
    EXPECT_NE(text.find("open       /dev/ttyTEST: ok"), std::string::npos) << text;
    EXPECT_NE(text.find("outcome    completed, 126 blocks, 1 handshake attempt"), std::string::npos)
        << text;
    // The port keeps the limits it was made with.
    EXPECT_EQ(std::count_if(rig.log.begin(), rig.log.end(),
                            [](const std::string& e) { return e.rfind("timeouts", 0) == 0; }),
              0);
}

TEST(TransferSetup, ShortTimeLimitsLastUntilTheHandshakeIsConfirmed) {
    SetupRig rig(TransferDirection::kWrite);
    link::CancelEvent cancel;
    link::PortTimeouts quick;
    quick.readConstant = 7;
    rig.setup.timeoutsUntilHandshake = quick;
    rig.setup.cancel = &cancel;
    ASSERT_TRUE(rig.Run().result.completed());
    // Set before the port opens, then the ordinary ones once the radio answered.
    EXPECT_LT(rig.Index("timeouts 7"), rig.Index("open /dev/ttyTEST"));
    EXPECT_LT(rig.Index("watch cancel"), rig.Index("open /dev/ttyTEST"));
    EXPECT_LT(rig.Index("read 8"), rig.Index("timeouts 90"));
    EXPECT_LT(rig.Index("timeouts 90"), rig.Index("write 57 00 00 08"));
}

TEST(TransferSetup, APortThatDoesNotOpenEndsTheTraceWithTheFailure) {
    SetupRig rig(TransferDirection::kRead);
    rig.openStatus = Status::Fail("/dev/ttyTEST: no such device", msg::kPortOpenFailed);
    std::ostringstream trace;
    rig.setup.trace = &trace;
    const link::TransferReport report = rig.Run();
    EXPECT_EQ(report.result.messageId, msg::kPortOpenFailed);
    EXPECT_FALSE(report.handshakeConfirmed);
    EXPECT_TRUE(report.identification.empty());
    EXPECT_EQ(rig.host.messages, std::vector<int>{msg::kPortOpenFailed});
    EXPECT_NE(trace.str().find("outcome    failed after 0 blocks: 61453"), std::string::npos)
        << trace.str();
}

TEST(TransferSetup, OnlyACompletedReadIsKeptAndAsTheRadioSentIt) {
    const std::string folder = ::testing::TempDir() + "qm530-setup-backups/";
    std::filesystem::remove_all(folder);
    const link::BackupStore store(folder);

    SetupRig read(TransferDirection::kRead);
    read.setup.backups = &store;
    // The program changes the image once it has it; the backup does not.
    read.host.onImageReceived = [&] { read.image[addr::kProductType] = 0x42; };
    const link::TransferReport report = read.Run();
    ASSERT_TRUE(report.result.completed());
    EXPECT_TRUE(report.backupStatus);
    EXPECT_EQ(report.backupPath.rfind(folder, 0), 0u) << report.backupPath;
    EXPECT_TRUE(report.backupPath.ends_with("-COM2.dat")) << report.backupPath;
    const Result<RadioImage> kept = LoadDatFile(report.backupPath);
    ASSERT_TRUE(kept);
    RadioImage sent = read.image;
    sent[addr::kProductType] = read.radio.Memory()[addr::kProductType];
    EXPECT_EQ(*kept, sent);

    // A write, a read that fails and a read that is cancelled keep nothing.
    SetupRig write(TransferDirection::kWrite);
    write.setup.backups = &store;
    EXPECT_TRUE(write.Run().backupPath.empty());
    SetupRig failed(TransferDirection::kRead);
    failed.setup.backups = &store;
    failed.openStatus = Status::Fail("/dev/ttyTEST: no such device", msg::kPortOpenFailed);
    EXPECT_TRUE(failed.Run().backupPath.empty());
    SetupRig cancelled(TransferDirection::kRead);
    cancelled.setup.backups = &store;
    cancelled.host.cancelAtPump = 200;
    EXPECT_EQ(cancelled.Run().result.outcome, link::TransferOutcome::kCancelled);
    EXPECT_EQ(store.List().size(), 1u);

    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace qm530::test
