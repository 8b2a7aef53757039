#include "link/process_dlg.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "link_gui_env.h"

namespace qm530::test {
namespace {

class ProcessDlgTest : public ::testing::Test {
  protected:
    LinkGuiEnv env;
    link::CProcessDlg dlg;

    void Open(const char* title) {
        dlg.TransferTitle = QString::fromUtf8(title);
        dlg.Create(nullptr);
        dlg.SetRange(0, 63);
        dlg.ShowCentred();
        QCoreApplication::processEvents();
    }
};

TEST_F(ProcessDlgTest, OpensReadyWithACleanState) {
    dlg.CancelRequested = true;
    Open("Read Data");
    EXPECT_TRUE(dlg.Exists());
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_FALSE(dlg.isModal());
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Read Data"));
    EXPECT_TRUE(dlg.OkButton()->isEnabled());
    EXPECT_FALSE(dlg.CancelRequested);
    EXPECT_EQ(dlg.Bar()->minimum(), 0);
    EXPECT_EQ(dlg.Bar()->maximum(), 63);
    EXPECT_EQ(dlg.Bar()->value(), 0);
    EXPECT_EQ(dlg.Counter()->text(), QStringLiteral("0"));
    EXPECT_FALSE(dlg.Running());
}

TEST_F(ProcessDlgTest, OkDisablesItselfAsksForTheTransferAndStays) {
    Open("Write Data");
    QSignalSpy requested(&dlg, &link::CProcessDlg::TransferRequested);
    QTest::mouseClick(dlg.OkButton(), Qt::LeftButton);
    EXPECT_EQ(requested.count(), 1);
    EXPECT_FALSE(dlg.OkButton()->isEnabled());
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(dlg.Running());
    // A second OK (Enter) asks for nothing more.
    QTest::keyClick(&dlg, Qt::Key_Return);
    EXPECT_EQ(requested.count(), 1);
}

TEST_F(ProcessDlgTest, CancelBeforeOkClosesTheWindow) {
    Open("Read Data");
    QTest::mouseClick(dlg.CancelButton(), Qt::LeftButton);
    EXPECT_TRUE(dlg.CancelRequested);
    EXPECT_FALSE(dlg.Exists());
    EXPECT_FALSE(dlg.isVisible());

    Open("Read Data");
    QTest::keyClick(&dlg, Qt::Key_Escape);
    EXPECT_FALSE(dlg.Exists());
}

TEST_F(ProcessDlgTest, CancelDuringTheTransferOnlyAsks) {
    Open("Read Data");
    QTest::mouseClick(dlg.OkButton(), Qt::LeftButton);

    // Esc and Enter do nothing while the transfer runs.
    QTest::keyClick(&dlg, Qt::Key_Escape);
    EXPECT_FALSE(dlg.CancelRequested);

    // The close box works like Cancel, and the window waits for the transfer.
    dlg.close();
    EXPECT_TRUE(dlg.CancelRequested);
    EXPECT_TRUE(dlg.isVisible());

    dlg.CancelRequested = false;
    QTest::mouseClick(dlg.CancelButton(), Qt::LeftButton);
    EXPECT_TRUE(dlg.CancelRequested);
    EXPECT_TRUE(dlg.Exists());
    dlg.DestroyWindow();
    EXPECT_FALSE(dlg.isVisible());
}

TEST_F(ProcessDlgTest, HeldOkAsksForNothingAndCancelStillCloses) {
    Open("Read Data");
    QSignalSpy requested(&dlg, &link::CProcessDlg::TransferRequested);
    dlg.HoldOk(true);
    EXPECT_FALSE(dlg.OkButton()->isEnabled());
    QTest::mouseClick(dlg.OkButton(), Qt::LeftButton);
    QTest::keyClick(&dlg, Qt::Key_Return);
    dlg.accept();
    EXPECT_EQ(requested.count(), 0);
    EXPECT_FALSE(dlg.Running());
    dlg.HoldOk(false);
    EXPECT_TRUE(dlg.OkButton()->isEnabled());

    // Held while ready, then Cancel: the window closes as before OK.
    dlg.HoldOk(true);
    QTest::mouseClick(dlg.CancelButton(), Qt::LeftButton);
    EXPECT_FALSE(dlg.Exists());
    dlg.HoldOk(false);

    // A window whose OK was pressed keeps OK disabled when the hold ends.
    Open("Read Data");
    QTest::mouseClick(dlg.OkButton(), Qt::LeftButton);
    dlg.HoldOk(true);
    dlg.HoldOk(false);
    EXPECT_FALSE(dlg.OkButton()->isEnabled());
    EXPECT_TRUE(dlg.Running());
}

TEST_F(ProcessDlgTest, ARefusedRequestLeavesTheWindowReady) {
    Open("Write Data");
    QSignalSpy requested(&dlg, &link::CProcessDlg::TransferRequested);
    QTest::mouseClick(dlg.OkButton(), Qt::LeftButton);
    dlg.HoldOk(true);
    dlg.BackToReady();
    EXPECT_FALSE(dlg.Running());
    EXPECT_FALSE(dlg.OkButton()->isEnabled());  // still held
    dlg.HoldOk(false);
    EXPECT_TRUE(dlg.OkButton()->isEnabled());
    QTest::mouseClick(dlg.OkButton(), Qt::LeftButton);
    EXPECT_EQ(requested.count(), 2);
    dlg.BackToReady();
    QTest::mouseClick(dlg.CancelButton(), Qt::LeftButton);
    EXPECT_FALSE(dlg.Exists());
}

TEST_F(ProcessDlgTest, BarStepsUpToItsRangeAndStartsOverPastIt) {
    Open("Read Data");
    for (int i = 0; i < 62; ++i) dlg.StepIt();
    EXPECT_EQ(dlg.Pos(), 62);
    EXPECT_EQ(dlg.StepIt(), 63);
    EXPECT_EQ(dlg.Bar()->value(), 63);

    dlg.SetRange(0, 62);
    dlg.SetPos(62);
    EXPECT_EQ(dlg.StepIt(), 1);
}

}  // namespace
}  // namespace qm530::test
