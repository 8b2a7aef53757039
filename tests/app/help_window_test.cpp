// Help opened from a dialog while the dialog is open: the dialog keeps the
// main window blocked, the help window takes keys and scrolls.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QWindow>

#include "support/frame_fixture.h"
#include "support/gui_fixture.h"
#include "ui/command_ids.h"

namespace qm530::test {
namespace {

class HelpFromDialogs : public FrameFixture {
  protected:
    // Opens the dialog of `command` through the menu's action, modal as in
    // the program; inside it F1, then Space in the help window.
    void CheckHelpIsUsable(int command, const char* expectedTarget) {
        SCOPED_TRACE(expectedTarget);
        h.services.modalDialogs = true;
        bool ran = false;
        h.services.dialogHandlers.push_back([&](QDialog& dialog) {
            ran = true;
            ASSERT_EQ(QApplication::activeModalWidget(), &dialog);
            QApplication::setActiveWindow(&dialog);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
            EXPECT_EQ(h.ctx.help.LastTarget(), QString::fromLatin1(expectedTarget));
            QTextBrowser* help = h.ctx.help.Window();
            ASSERT_NE(help, nullptr);
            ASSERT_TRUE(help->isVisible());
            help->resize(240, 90);  // short enough for every page to scroll
            QApplication::processEvents();
            QScrollBar* bar = help->verticalScrollBar();
            bar->setValue(0);
            ASSERT_GT(bar->maximum(), 0);
            // A key as the window system delivers it: dropped for a window
            // that a modal dialog blocks.
            QTest::keyClick(help->windowHandle(), Qt::Key_Space);
            EXPECT_GT(bar->value(), 0);
            // The dialog still holds the main window.
            EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
            EXPECT_EQ(frame->DocumentWindows().size(), 1);
            QTest::keyClick(frame->windowHandle(), Qt::Key_N, Qt::ControlModifier);
            EXPECT_TRUE(h.services.boxes.empty());
        });
        frame->Action(command)->trigger();
        EXPECT_TRUE(ran);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
};

TEST_F(HelpFromDialogs, HelpCanBeReadWhileASettingsComOrLanguageDialogIsOpen) {
    CheckHelpIsUsable(ui::cmd::kProductInfo, "product.html#t1013");
    CheckHelpIsUsable(ui::cmd::kComSetup, "setup.html#t32777");
    CheckHelpIsUsable(ui::cmd::kLanguage, "setup.html#t32799");
    // The help window is no child of the main window and does not keep the
    // program running on its own.
    EXPECT_EQ(h.ctx.help.Window()->parentWidget(), nullptr);
    EXPECT_FALSE(h.ctx.help.Window()->testAttribute(Qt::WA_QuitOnClose));
}

}  // namespace
}  // namespace qm530::test
