// The backups of the channel view's transfers: every completed read is
// kept, and a Write first reads and keeps what the radio holds (Setup >
// Back Up Before Writing), with the virtual radio on a pseudo-terminal.

#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "link/backup_store.h"
#include "link/process_dlg.h"
#include "model/dat_file.h"
#include "sim/virtual_radio.h"
#include "ui/command_ids.h"
#include "view_test_env.h"
#include "watched_port.h"

namespace qm530::test {
namespace {

// What the radio holds before the write: one channel and a pattern in
// bytes that no field shows.
RadioImage Previous() {
    RadioImage image = ImageOfModel(1, 1);
    ChannelTable table;
    ImageToGrid(image, table, UiLanguage::English);
    table.SetCell(2, 1, "435.02500");
    GridToImage(table, image);
    for (std::size_t a = 0x200; a < 0x280; ++a) image[a] = static_cast<std::uint8_t>(a);
    return image;
}

class ViewBackup : public ::testing::Test {
  protected:
    void SetUp() override {
        sim::RadioOptions options;
        options.memory = Previous();
        options.pace = false;
        options.fault = fault;
        radio = std::make_unique<sim::VirtualRadio>(options);
        ASSERT_TRUE(radio->Start().ok());
        env = std::make_unique<ViewEnv>(UiLanguage::English,
                                        ViewIni("[Ports]\nCOM1=" + radio->DevicePath() + "\n"));
        env->ctx.UserDataDir = env->dir.path().toStdString() + "/data/";
        folder = env->ctx.UserDataDir + "backups/";
        // The document to write: channel 5 programmed.
        RadioImage document = ImageOfModel(0, 0);
        document[0x250] = 0x33;
        view = &env->Open(document);
        view->SetPortFactory([this](const std::string&) {
            auto port = std::make_unique<WatchedPort>(kQuickTimeouts);
            ++transfers;
            // What the progress window shows in the middle of each transfer.
            port->onRead = [this](int reads) {
                if (reads != 40) return;
                link::CProcessDlg* dlg = view->ProcessDlg();
                steps.push_back(dlg->StepLabel()->isVisible() ? dlg->StepLabel()->text()
                                                              : QString());
                ranges.push_back(dlg->Bar()->maximum());
            };
            return port;
        });
        QObject::connect(&env->ctx.events, &ui::ShellEvents::Announced,
                         [this](const QString& text) { announced.push_back(text); });
    }
    void RunWithOk() {
        link::CProcessDlg* dlg = view->ProcessDlg();
        ASSERT_TRUE(dlg->Exists());
        QTest::mouseClick(dlg->OkButton(), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !dlg->Exists(); }, 20000));
    }
    std::vector<link::BackupEntry> Kept() const { return link::BackupStore(folder).List(); }

    sim::Fault fault;
    std::unique_ptr<sim::VirtualRadio> radio;
    std::unique_ptr<ViewEnv> env;
    editor::CProgramView* view = nullptr;
    std::string folder;
    std::size_t transfers = 0;
    QStringList steps;
    std::vector<int> ranges;
    QStringList announced;
};

TEST_F(ViewBackup, AWriteKeepsWhatTheRadioHeldFirstAndNamesEachStep) {
    EXPECT_TRUE(env->ctx.BackupBeforeWrite());  // on until the user turns it off
    view->OnCommand(ui::cmd::kWrite);
    RunWithOk();
    ASSERT_TRUE(view->LastTransfer().completed());
    EXPECT_EQ(view->LastTransfer().direction, link::TransferDirection::kWrite);
    EXPECT_TRUE(env->services.boxes.empty());
    EXPECT_EQ(transfers, 2u);
    EXPECT_EQ(steps, QStringList({"Reading the radio for the backup", "Writing to the radio"}));
    EXPECT_EQ(ranges, (std::vector<int>{63, 62}));
    EXPECT_EQ(view->ProcessDlg()->Counter()->text(), QStringLiteral("62"));

    const std::vector<link::BackupEntry> kept = Kept();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].port, "COM1");
    const Result<RadioImage> backup = LoadDatFile(kept[0].path);
    ASSERT_TRUE(backup);
    const RadioImage previous = Previous();
    for (std::size_t a = 0; a < kImageSize; ++a)
        ASSERT_EQ((*backup)[a], a >= 0x3C0 && a <= 0x3CF ? 0xFF : previous[a]) << a;
    // Then the document went into the radio.
    EXPECT_EQ(radio->Memory()[0x250], 0x33);
    ASSERT_FALSE(announced.isEmpty());
    EXPECT_EQ(
        announced.back(),
        QStringLiteral("Write complete: 0 channels. The radio's previous memory is kept in ") +
            QString::fromStdString(kept[0].path) + QStringLiteral("."));

    // The next window starts without a step line.
    view->OnCommand(ui::cmd::kRead);
    EXPECT_FALSE(view->ProcessDlg()->StepLabel()->isVisible());
    QTest::mouseClick(view->ProcessDlg()->CancelButton(), Qt::LeftButton);

    // Turned off: a write alone.
    env->ctx.SetBackupBeforeWrite(false);
    view->OnCommand(ui::cmd::kWrite);
    RunWithOk();
    ASSERT_TRUE(view->LastTransfer().completed());
    EXPECT_EQ(transfers, 3u);
    EXPECT_EQ(Kept().size(), 1u);
}

TEST_F(ViewBackup, WithoutAKeptBackupNothingIsWritten) {
    // A file where the backup folder should be.
    std::filesystem::create_directories(env->ctx.UserDataDir);
    std::ofstream(folder.substr(0, folder.size() - 1)) << "in the way";
    view->OnCommand(ui::cmd::kWrite);
    RunWithOk();
    EXPECT_EQ(transfers, 1u);  // the read, no write
    EXPECT_EQ(radio->Memory(), Previous());
    EXPECT_EQ(view->LastTransfer().direction, link::TransferDirection::kWrite);
    EXPECT_EQ(view->LastTransfer().outcome, link::TransferOutcome::kFailed);
    ASSERT_EQ(env->services.boxes.size(), 1u);
    const QString text = env->services.boxes[0].text;
    EXPECT_TRUE(text.startsWith(
        QStringLiteral("The radio was read, but its backup could not be kept (cannot make the "
                       "folder ")))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith(
        QStringLiteral("so nothing was written to it.\n\nTo write without a backup, turn off "
                       "Setup > Back Up Before Writing.")))
        << text.toStdString();
    EXPECT_EQ(announced.back(), QStringLiteral("Write failed"));
}

TEST_F(ViewBackup, AReadIsKeptAndWithoutADataFolderItSaysWhyNot) {
    view->OnCommand(ui::cmd::kRead);
    RunWithOk();
    ASSERT_TRUE(view->LastTransfer().completed());
    std::vector<link::BackupEntry> kept = Kept();
    ASSERT_EQ(kept.size(), 1u);
    const Result<RadioImage> backup = LoadDatFile(kept[0].path);
    ASSERT_TRUE(backup);
    EXPECT_EQ(*backup, env->doc.Image);
    EXPECT_EQ(announced.back(), QStringLiteral("Read complete: 1 channels"));

    env->ctx.UserDataDir.clear();
    EXPECT_FALSE(env->ctx.BackupBeforeWrite());
    view->OnCommand(ui::cmd::kRead);
    RunWithOk();
    ASSERT_TRUE(view->LastTransfer().completed());
    EXPECT_TRUE(env->services.boxes.empty());
    EXPECT_EQ(announced.back(),
              QStringLiteral("Read complete: 1 channels. No backup of this read was kept: the data "
                             "folder is not known (neither XDG_DATA_HOME nor HOME is set)"));
    // Without a data folder a Write reads nothing first.
    view->OnCommand(ui::cmd::kWrite);
    RunWithOk();
    EXPECT_EQ(transfers, 3u);
}

class ViewBackupFailing : public ViewBackup {
  protected:
    void SetUp() override {
        fault.kind = sim::FaultKind::kHangUp;
        fault.block = 5;
        ViewBackup::SetUp();
    }
};

TEST_F(ViewBackupFailing, AFailedBackupReadWritesNothingAndSaysSo) {
    view->OnCommand(ui::cmd::kWrite);
    RunWithOk();
    EXPECT_EQ(transfers, 1u);
    EXPECT_EQ(view->LastTransfer().messageId, 61454);
    EXPECT_EQ(view->LastTransfer().direction, link::TransferDirection::kWrite);
    EXPECT_TRUE(Kept().empty());
    ASSERT_EQ(env->services.boxes.size(), 1u);
    EXPECT_EQ(env->services.boxes[0].text,
              QStringLiteral("Program Interrupt, Please reset the radio and try again\n\nThe radio "
                             "is read for the backup before writing; nothing has been written to "
                             "it."));
    EXPECT_EQ(announced.back(), QStringLiteral("Write failed"));
}

}  // namespace
}  // namespace qm530::test
