// The menus from the keyboard: mnemonics at the first press in both menu
// states, F1 on a highlighted item, Help > Help Topics.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>

#include "app/child_frame.h"
#include "editor/channel_editor.h"
#include "editor/channel_grid.h"
#include "editor/program_view.h"
#include "support/frame_fixture.h"
#include "support/gui_fixture.h"
#include "ui/command_ids.h"

namespace qm530::test {
namespace {

class MenuKeys : public FrameFixture {
  protected:
    void TearDown() override {
        while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    }
    // Alt+<key> once at the frame; the menu that opened, if any.
    QMenu* PressMnemonic(Qt::Key key) {
        QApplication::setActiveWindow(frame);
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : frame, key, Qt::AltModifier);
        QApplication::processEvents();
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }
    void CloseMenus() {
        while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        QApplication::processEvents();
    }
    QStringList Items(const char* menuName) const {
        QStringList items;
        for (QAction* a : frame->findChild<QMenu*>(QString::fromLatin1(menuName))->actions()) {
            if (a->isVisible()) items << (a->isSeparator() ? QStringLiteral("-") : a->text());
        }
        return items;
    }
};

TEST_F(MenuKeys, AltFAndAltHOpenAtTheFirstPressInBothStates) {
    for (bool documents : {true, false}) {
        SCOPED_TRACE(documents ? "document menu" : "short menu");
        if (!documents) frame->DestroyDocumentWindow(frame->ActiveDocumentWindow());
        EXPECT_EQ(frame->DocumentMenuShown(), documents);
        for (int round = 0; round < 2; ++round) {
            QMenu* file = PressMnemonic(Qt::Key_F);
            ASSERT_NE(file, nullptr);
            EXPECT_EQ(file->objectName(), QStringLiteral("File"));
            CloseMenus();
            QMenu* help = PressMnemonic(Qt::Key_H);
            ASSERT_NE(help, nullptr);
            EXPECT_EQ(help->objectName(), QStringLiteral("Help"));
            CloseMenus();
        }
    }
    // The short File menu keeps only what works without a document.
    EXPECT_EQ(Items("File"), QStringList({"&New", "&Open...", "Open &Backup...", "-",
                                          "P&rint Setup...", "-", "E&xit"}));
    EXPECT_EQ(Items("Help"), QStringList({"&Help Topics", "Using qm530 with a &Screen Reader", "-",
                                          "&About Program..."}));
    frame->OnFileNew();
    QApplication::processEvents();
    EXPECT_TRUE(frame->DocumentMenuShown());
    EXPECT_EQ(Items("File"),
              QStringList({"&New", "&Open...", "Open &Backup...", "&Close", "&Save", "Save &As...",
                           "Co&mpare...", "-", "&Import...", "&Export...", "-", "&Print...",
                           "Print Pre&view", "P&rint Setup...", "-", "E&xit"}));
    EXPECT_EQ(Items("Help"), QStringList({"&Help Topics", "Using qm530 with a &Screen Reader", "-",
                                          "&About QM530"}));
    // The toolbar keeps its buttons in both states.
    EXPECT_TRUE(frame->Action(ui::cmd::kAppAbout)->isVisible());
    EXPECT_TRUE(frame->Action(ui::cmd::kFileSave)->isVisible());
}

TEST_F(MenuKeys, F1OnAHighlightedItemOpensItsCommandsTopic) {
    QMenu* file = PressMnemonic(Qt::Key_F);
    ASSERT_NE(file, nullptr);
    QTest::keyClick(file, Qt::Key_Down);  // from New to Open
    ASSERT_NE(file->activeAction(), nullptr);
    EXPECT_EQ(file->activeAction()->data().toInt(), ui::cmd::kFileOpen);
    QTest::keyClick(file, Qt::Key_F1);
    EXPECT_EQ(h.ctx.help.LastTarget(), QStringLiteral("file.html#t57601"));
    CloseMenus();

    // Help > Help Topics answers as F1 would: the focused control's topic.
    editor::CProgramView* view = frame->ActiveView();
    view->Editor()->HideCellEditors();
    view->Editor()->Grid()->setFocus();
    QMenu* help = PressMnemonic(Qt::Key_H);
    ASSERT_NE(help, nullptr);
    QTest::keyClick(help, Qt::Key_H);  // the item's own mnemonic
    QApplication::processEvents();
    EXPECT_EQ(h.ctx.help.LastTarget(), QStringLiteral("grid.html#t1000"));
}

TEST_F(MenuKeys, SetupTransferTraceTogglesForThisUser) {
    EXPECT_EQ(Items("Setup"), QStringList({"&Com Setup", "&Language", "-", "&Transfer Trace",
                                           "&Back Up Before Writing"}));
    QAction* trace = frame->Action(ui::cmd::kTransferTrace);
    ASSERT_TRUE(trace->isCheckable());
    for (bool on : {true, false}) {
        QMenu* setup = PressMnemonic(Qt::Key_S);
        ASSERT_NE(setup, nullptr);
        EXPECT_EQ(setup->objectName(), QStringLiteral("Setup"));
        QTest::keyClick(setup, Qt::Key_T);
        QApplication::processEvents();
        EXPECT_EQ(h.registry->ReadDword("TransferTrace", 9), on ? 1u : 0u);
        EXPECT_EQ(h.ctx.TransferTrace(), on);
        EXPECT_EQ(trace->isChecked(), on);
    }
    // F1 on the item: its own topic.
    QMenu* setup = PressMnemonic(Qt::Key_S);
    ASSERT_NE(setup, nullptr);
    setup->setActiveAction(trace);
    QTest::keyClick(setup, Qt::Key_F1);
    EXPECT_EQ(h.ctx.help.LastTarget(), QStringLiteral("setup.html#t32820"));
    CloseMenus();
    // Without a data folder the command cannot work and is off.
    h.ctx.UserDataDir.clear();
    frame->UpdateCommandUI();
    EXPECT_FALSE(trace->isEnabled());
}

TEST_F(MenuKeys, SetupBackUpBeforeWritingIsOnUntilTurnedOff) {
    QAction* backup = frame->Action(ui::cmd::kBackupBeforeWrite);
    ASSERT_TRUE(backup->isCheckable());
    EXPECT_TRUE(backup->isChecked());
    EXPECT_FALSE(h.registry->Has("BackupBeforeWrite"));
    for (bool on : {false, true}) {
        QMenu* setup = PressMnemonic(Qt::Key_S);
        ASSERT_NE(setup, nullptr);
        QTest::keyClick(setup, Qt::Key_B);
        QApplication::processEvents();
        EXPECT_EQ(h.registry->ReadDword("BackupBeforeWrite", 9), on ? 1u : 0u);
        EXPECT_EQ(h.ctx.BackupBeforeWrite(), on);
        EXPECT_EQ(backup->isChecked(), on);
    }
    QMenu* setup = PressMnemonic(Qt::Key_S);
    ASSERT_NE(setup, nullptr);
    setup->setActiveAction(backup);
    QTest::keyClick(setup, Qt::Key_F1);
    EXPECT_EQ(h.ctx.help.LastTarget(), QStringLiteral("setup.html#t32823"));
    CloseMenus();
    // Without a data folder no backup can be kept: off, and File > Open
    // Backup has nothing to open.
    h.ctx.UserDataDir.clear();
    frame->UpdateCommandUI();
    EXPECT_FALSE(backup->isEnabled());
    EXPECT_FALSE(backup->isChecked());
    EXPECT_FALSE(frame->Action(ui::cmd::kFileOpenBackup)->isEnabled());
}

}  // namespace
}  // namespace qm530::test
