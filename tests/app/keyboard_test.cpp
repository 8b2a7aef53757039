// The program from the keyboard alone, in both languages: no two items of
// a menu and no two controls of a dialog share a mnemonic letter, the
// settings areas keep their letters, and the Window menu brings any open
// document to the front.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <map>

#include "app/child_frame.h"
#include "support/gui_fixture.h"
#include "ui/command_ids.h"

namespace qm530::test {
namespace {

// The letter that Alt or the menu's own key takes for `text`; 0 for none.
QChar Mnemonic(const QString& text) {
    const QKeySequence key = QKeySequence::mnemonic(text);
    if (key.isEmpty()) return {};
    return QChar(key[0].key()).toUpper();
}

// Each letter taken twice, with the texts that take it.
QStringList Clashes(const QStringList& texts) {
    std::map<QChar, QStringList> byLetter;
    for (const QString& text : texts) {
        const QChar letter = Mnemonic(text);
        if (!letter.isNull()) byLetter[letter] << text;
    }
    QStringList clashes;
    for (const auto& [letter, users] : byLetter) {
        if (users.size() > 1) clashes << QString(letter) + QStringLiteral(": ") + users.join(" | ");
    }
    return clashes;
}

QStringList MenuTexts(const QList<QAction*>& actions) {
    QStringList texts;
    for (QAction* action : actions) {
        if (action->isVisible() && !action->isSeparator()) texts << action->text();
    }
    return texts;
}

// The texts of a dialog that carry mnemonics: buttons, labels with a
// buddy, group boxes.
QStringList DialogTexts(QDialog& dialog) {
    QStringList texts;
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&dialog)) continue;
        if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
        if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy()) texts << label->text();
        if (auto* group = qobject_cast<QGroupBox*>(w)) texts << group->title();
    }
    return texts;
}

class Keyboard : public ::testing::TestWithParam<const char*> {
  protected:
    Keyboard() : h(ProgramIni(GetParam())) {}
    void SetUp() override {
        frame = h.StartShown();
        ASSERT_NE(frame, nullptr);
    }
    void TearDown() override {
        while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    }
    QWidget* Focus() const { return FocusIn(frame); }
    QMenu* OpenMenu(Qt::Key key) {
        QApplication::setActiveWindow(frame);
        QTest::keyClick(Focus(), key, Qt::AltModifier);
        QApplication::processEvents();
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }
    void MenuKeys(Qt::Key menu, Qt::Key item) {
        QMenu* popup = OpenMenu(menu);
        ASSERT_NE(popup, nullptr);
        QTest::keyClick(popup, item);
        QApplication::processEvents();
    }

    Harness h;
    app::CMainFrame* frame = nullptr;
};

TEST_P(Keyboard, NoTwoItemsOfAMenuShareALetter) {
    EXPECT_EQ(Clashes(MenuTexts(frame->menuBar()->actions())), QStringList());
    // The Window menu lists the documents when it opens.
    QMenu* window = OpenMenu(Qt::Key_W);
    ASSERT_NE(window, nullptr);
    window->close();
    for (QMenu* menu : frame->ShownMenus()) {
        EXPECT_EQ(Clashes(MenuTexts(menu->actions())), QStringList())
            << menu->objectName().toStdString();
    }
}

TEST_P(Keyboard, NoTwoControlsOfADialogShareALetter) {
    const struct {
        Qt::Key menu;
        Qt::Key item;
    } dialogs[] = {{Qt::Key_E, Qt::Key_P}, {Qt::Key_E, Qt::Key_O}, {Qt::Key_E, Qt::Key_K},
                   {Qt::Key_P, Qt::Key_S}, {Qt::Key_S, Qt::Key_C}, {Qt::Key_S, Qt::Key_L},
                   {Qt::Key_F, Qt::Key_R}, {Qt::Key_H, Qt::Key_A}};
    int checked = 0;
    for (const auto& dialog : dialogs) {
        h.services.dialogHandlers.push_back([&checked](QDialog& d) {
            EXPECT_EQ(Clashes(DialogTexts(d)), QStringList()) << d.objectName().toStdString();
            ++checked;
            QTest::keyClick(&d, Qt::Key_Escape);
        });
        MenuKeys(dialog.menu, dialog.item);
    }
    EXPECT_EQ(checked, static_cast<int>(std::size(dialogs)));
}

TEST_P(Keyboard, TheSettingsAreasKeepTheirLettersInTheEditMenu) {
    QString opened;
    h.services.dialogHandlers.push_back([&opened](QDialog& d) {
        opened = d.objectName();
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    MenuKeys(Qt::Key_E, Qt::Key_P);
    EXPECT_EQ(opened, QStringLiteral("ProductInfoDialog"));

    // Alt+F, C hides the document window; Alt+E, C brings it back.
    app::CChildFrame* document = frame->ActiveDocumentWindow();
    MenuKeys(Qt::Key_F, Qt::Key_C);
    EXPECT_FALSE(document->isVisible());
    MenuKeys(Qt::Key_E, Qt::Key_C);
    EXPECT_TRUE(document->isVisible());
    EXPECT_EQ(frame->ActiveDocumentWindow(), document);
}

TEST_P(Keyboard, TheWindowMenuBringsEveryOpenDocumentToTheFront) {
    app::CChildFrame* first = frame->ActiveDocumentWindow();
    h.services.openAnswers.push_back(WriteDat(h.dir.File(QStringLiteral("second.dat")), 1024));
    MenuKeys(Qt::Key_F, Qt::Key_O);
    app::CChildFrame* second = frame->ActiveDocumentWindow();
    ASSERT_NE(second, first);
    EXPECT_FALSE(first->isVisible());  // Open put it away

    QMenu* window = OpenMenu(Qt::Key_W);
    ASSERT_NE(window, nullptr);
    QStringList items;
    QStringList checked;
    for (QAction* action : window->actions()) {
        if (action->isSeparator()) continue;
        items << action->text();
        if (action->isChecked()) checked << action->text();
    }
    ASSERT_EQ(items.size(), 4);
    EXPECT_TRUE(items[2].startsWith(QStringLiteral("&1 ")));
    EXPECT_EQ(items[3], QStringLiteral("&2 second.dat"));
    EXPECT_EQ(checked, QStringList({QStringLiteral("&2 second.dat")}));
    QTest::keyClick(window, Qt::Key_1);
    QApplication::processEvents();
    EXPECT_EQ(frame->ActiveDocumentWindow(), first);
    EXPECT_TRUE(first->isVisible());

    // Cascade and Tile arrange what is shown.
    MenuKeys(Qt::Key_W, Qt::Key_2);
    EXPECT_EQ(frame->ActiveDocumentWindow(), second);
    MenuKeys(Qt::Key_W, Qt::Key_T);
    EXPECT_TRUE(second->isVisible());
    MenuKeys(Qt::Key_W, Qt::Key_C);
    EXPECT_TRUE(second->isVisible());
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, Keyboard, ::testing::Values("English", "Chinese"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace qm530::test
