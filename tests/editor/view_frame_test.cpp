// The channel view inside the running program: help on the focused control,
// the main frame while a transfer runs, one transfer at a time across
// documents, Product Information and COM Setup acting on the active view.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstdlib>
#include <functional>
#include <memory>

#include "app/child_frame.h"
#include "app/navigation_bar.h"
#include "editor/cell_editors.h"
#include "editor/channel_editor.h"
#include "editor/channel_grid.h"
#include "editor/program_view.h"
#include "link/com_setup_dlg.h"
#include "link/process_dlg.h"
#include "model/program_doc.h"
#include "sim/pseudo_terminal.h"
#include "sim/virtual_radio.h"
#include "support/frame_fixture.h"
#include "support/gui_fixture.h"
#include "ui/command_ids.h"
#include "watched_port.h"

namespace qm530::test {
namespace {

using ViewInFrame = FrameFixture;

TEST_F(ViewInFrame, F1AsksForTheTopicOfTheFocusedControl) {
    Click(2, 1);
    ASSERT_EQ(QApplication::focusWidget(), view->Editor()->Editors()->EditorForColumn(1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    EXPECT_EQ(h.ctx.help.LastTarget(), QStringLiteral("grid.html#t2127"));
    Click(2, 4);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    EXPECT_EQ(h.ctx.help.LastTarget(), QStringLiteral("grid.html#t2133"));
    Click(2, 8);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    EXPECT_EQ(h.ctx.help.LastTarget(), QStringLiteral("grid.html#t1128"));
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_F1);
    EXPECT_EQ(h.ctx.help.LastTarget(), QStringLiteral("grid.html#t1000"));
}

TEST_F(ViewInFrame, WhileATransferRunsNothingCanTakeItsWindowsAway) {
    sim::RadioOptions options;
    options.pace = false;
    sim::VirtualRadio radio(options);
    ASSERT_TRUE(radio.Start().ok());
    view->PortName = radio.DevicePath();
    bool checked = false;
    view->SetPortFactory([&](const std::string&) {
        auto port = std::make_unique<WatchedPort>(kQuickTimeouts);
        port->onRead = [&](int reads) {
            if (reads != 20) return;
            frame->UpdateCommandUI();
            for (int id :
                 {ui::cmd::kFileNew, ui::cmd::kFileOpen, ui::cmd::kFileSave, ui::cmd::kFileSaveAs,
                  ui::cmd::kFileClose, ui::cmd::kAppExit, ui::cmd::kLanguage, ui::cmd::kRead,
                  ui::cmd::kWrite, ui::cmd::kComSetup, ui::cmd::kScanInfo, ui::cmd::kProductInfo,
                  ui::cmd::kOptionalFeatures, ui::cmd::kSideKey, ui::cmd::kAppAbout,
                  ui::cmd::kFilePrintSetup, ui::cmd::kFileCompare}) {
                EXPECT_FALSE(frame->Action(id)->isEnabled()) << id;
            }
            for (int id : {ui::cmd::kViewToolbar, ui::cmd::kViewStatusBar, ui::cmd::kControlBar,
                           ui::cmd::kChannelInfo}) {
                EXPECT_TRUE(frame->Action(id)->isEnabled()) << id;
            }
            EXPECT_FALSE(frame->close());
            EXPECT_TRUE(frame->isVisible());
            const std::size_t dialogs = h.services.dialogTitles.size();
            emit frame->NavigationBar()->AreaRequested(app::CNavigationBar::ProductInformation);
            EXPECT_EQ(h.services.dialogTitles.size(), dialogs);
            checked = true;
        };
        return port;
    });
    frame->Action(ui::cmd::kWrite)->trigger();
    ASSERT_TRUE(view->ProcessDlg()->isVisible());
    // Ready, not running yet: the program can still be left.
    EXPECT_TRUE(frame->Action(ui::cmd::kFileNew)->isEnabled());
    QTest::mouseClick(view->ProcessDlg()->OkButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view->ProcessDlg()->Exists(); }, 20000));
    EXPECT_TRUE(checked);
    EXPECT_TRUE(view->LastTransfer().completed());
    EXPECT_TRUE(frame->Action(ui::cmd::kFileNew)->isEnabled());
    EXPECT_TRUE(frame->Action(ui::cmd::kRead)->isEnabled());
    EXPECT_TRUE(frame->isVisible());
}

// Two documents, each with its progress window waiting for OK; the ports
// of both lead to one virtual radio.
class TwoTransfers : public ViewInFrame {
  protected:
    void SetUp() override {
        ViewInFrame::SetUp();
        sim::RadioOptions options;
        options.pace = false;
        radio = std::make_unique<sim::VirtualRadio>(options);
        ASSERT_TRUE(radio->Start().ok());
        a = view;
        Watch(a, aReads, aOpens);
        frame->Action(ui::cmd::kRead)->trigger();
        ASSERT_TRUE(frame->OpenDocumentFile(WriteDat(h.dir.File(QStringLiteral("b.dat")), 1024)));
        b = frame->ActiveView();
        ASSERT_NE(b, a);
        Watch(b, bReads, bOpens);
        frame->Action(ui::cmd::kRead)->trigger();
        ASSERT_TRUE(a->ProcessDlg()->isVisible());
        ASSERT_TRUE(b->ProcessDlg()->isVisible());
        ASSERT_TRUE(b->ProcessDlg()->OkButton()->isEnabled());
    }
    void Watch(editor::CProgramView* v, std::function<void(int)>& onRead, int& opens) {
        v->PortName = radio->DevicePath();
        v->SetPortFactory([this, &onRead, &opens](const std::string&) {
            ++opens;
            auto port = std::make_unique<WatchedPort>(kQuickTimeouts);
            port->onRead = [&onRead](int reads) {
                if (onRead) onRead(reads);
            };
            return port;
        });
    }
    // B's window is waiting, not running, and nothing of B touched a port.
    void ExpectBWaiting() {
        EXPECT_FALSE(b->TransferRunning());
        EXPECT_EQ(bOpens, 0);
        EXPECT_TRUE(b->ProcessDlg()->Exists());
        EXPECT_FALSE(b->ProcessDlg()->Running());
    }
    void WaitForA() {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !a->ProcessDlg()->Exists(); }, 20000));
        EXPECT_TRUE(a->LastTransfer().completed());
    }

    std::unique_ptr<sim::VirtualRadio> radio;
    editor::CProgramView* a = nullptr;
    editor::CProgramView* b = nullptr;
    std::function<void(int)> aReads, bReads;
    int aOpens = 0, bOpens = 0;
};

TEST_F(TwoTransfers, OkOfAWaitingWindowIsHeldWhileAnotherTransferRuns) {
    bool checked = false;
    aReads = [&](int reads) {
        if (reads != 20) return;
        EXPECT_TRUE(a->TransferRunning());
        EXPECT_FALSE(b->ProcessDlg()->OkButton()->isEnabled());
        QTest::mouseClick(b->ProcessDlg()->OkButton(), Qt::LeftButton);
        QTest::keyClick(b->ProcessDlg(), Qt::Key_Return);
        QApplication::processEvents();  // as the transfer's pump steps would
        ExpectBWaiting();
        checked = true;
    };
    QTest::mouseClick(a->ProcessDlg()->OkButton(), Qt::LeftButton);
    WaitForA();
    EXPECT_TRUE(checked);
    ExpectBWaiting();
    EXPECT_TRUE(b->ProcessDlg()->OkButton()->isEnabled());
    QTest::mouseClick(b->ProcessDlg()->CancelButton(), Qt::LeftButton);
    EXPECT_FALSE(b->ProcessDlg()->Exists());
    EXPECT_EQ(bOpens, 0);
}

TEST_F(TwoTransfers, ARequestArrivingDuringAnotherTransferIsRefused) {
    bool checked = false;
    aReads = [&](int reads) {
        if (reads != 20) return;
        ExpectBWaiting();
        EXPECT_FALSE(b->ProcessDlg()->OkButton()->isEnabled());
        checked = true;
    };
    // Both OKs before either request is served: A's comes first.
    a->ProcessDlg()->OkButton()->click();
    b->ProcessDlg()->OkButton()->click();
    WaitForA();
    EXPECT_TRUE(checked);
    ExpectBWaiting();
    EXPECT_FALSE(b->ProcessDlg()->CancelRequested);
    ASSERT_TRUE(b->ProcessDlg()->OkButton()->isEnabled());

    // Ready as before: OK now runs B's read.
    QTest::mouseClick(b->ProcessDlg()->OkButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !b->ProcessDlg()->Exists(); }, 20000));
    EXPECT_TRUE(b->LastTransfer().completed());
    EXPECT_EQ(bOpens, 1);
}

TEST_F(ViewInFrame, ProductInformationMovesTheBandTheGridChecks) {
    ASSERT_EQ(view->BandLow, 13000000);
    h.services.dialogHandlers.push_back([](QDialog& dialog) {
        auto* bands = dialog.findChild<QComboBox*>(QStringLiteral("Combo1014"));
        ASSERT_NE(bands, nullptr);
        bands->setCurrentIndex(1);  // 400 - 470MHz
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("OkButton")),
                          Qt::LeftButton);
    });
    frame->Action(ui::cmd::kProductInfo)->trigger();
    QApplication::setActiveWindow(frame);
    EXPECT_EQ(view->BandLow, 40000000);
    EXPECT_EQ(view->BandHigh, 47000000);
    Click(1, 1);
    TypeAndEnter(QStringLiteral("145"));
    ASSERT_EQ(h.services.boxes.size(), 1u);
    EXPECT_EQ(h.services.boxes[0].text, QStringLiteral("Out of range,please input again."));
    Click(1, 1);
    TypeAndEnter(QStringLiteral("435.0125"));
    EXPECT_EQ(view->Table().Cell(1, 1), "435.01250");
}

TEST_F(ViewInFrame, ComSetupGivesThePortToTheActiveViewOnly) {
    sim::PseudoTerminal pty;
    ASSERT_TRUE(pty.Open().ok());
    setenv("QM530_COM3", pty.SlavePath().c_str(), 1);
    editor::CProgramView* first = view;
    ASSERT_TRUE(frame->OpenDocumentFile(WriteDat(h.dir.File(QStringLiteral("b.dat")), 1024)));
    editor::CProgramView* second = frame->ActiveView();
    ASSERT_NE(second, first);
    EXPECT_EQ(second->PortName, "COM1");
    h.services.dialogHandlers.push_back([&](QDialog& dialog) {
        auto& setup = static_cast<link::CComSetupDlg&>(dialog);
        EXPECT_TRUE(setup.PortButton(2)->isEnabled());
        QTest::mouseClick(setup.PortButton(2), Qt::LeftButton);
        QTest::mouseClick(setup.findChild<QPushButton*>(QStringLiteral("OkButton")),
                          Qt::LeftButton);
    });
    first->OnComSetup();
    unsetenv("QM530_COM3");
    EXPECT_EQ(second->PortName, "com3");
    EXPECT_EQ(first->PortName, "COM1");
    EXPECT_EQ(h.registry->ReadDword("com", 0), 3u);
}

}  // namespace
}  // namespace qm530::test
