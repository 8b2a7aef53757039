// The access password dialog, driven through its widgets.
#include "settings/password_dlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/language_pack.h"
#include "config/ini_file.h"
#include "ui/app_context.h"
#include "ui/scripted_ui_services.h"

namespace qm530 {
namespace {

QApplication& App() {
    static int argc = 1;
    static char arg0[] = "password_dlg_tests";
    static char* argv[] = {arg0, nullptr};
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

class PasswordDlg : public ::testing::TestWithParam<UiLanguage> {
  protected:
    PasswordDlg() {
        ctx.UiLanguage = GetParam();
        // The dialog's texts come from the language pack, as in the program.
        pack.Load(QStringLiteral(QM530_BIN_DIR "/") + (GetParam() == UiLanguage::Chinese
                                                           ? QStringLiteral("Chinese.rcc")
                                                           : QStringLiteral("English.rcc")));
    }

    // Types into the code field as a user would and presses Enter.
    void Enter(const QString& text) {
        QLineEdit* edit = dialog.CodeEdit();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    QApplication& app = App();
    app::LanguagePack pack;
    config::CIniFile ini;
    ui::ScriptedUiServices services;
    ui::AppContext ctx{ini, services, std::make_unique<config::MemoryRegistry>()};
    settings::CPasswordDlg dialog{ctx};
};

TEST_P(PasswordDlg, WrongCodesAreRefusedWithoutLimitThenTheCodeIsAccepted) {
    const bool chinese = GetParam() == UiLanguage::Chinese;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(QApplication::focusWidget(), dialog.CodeEdit());
    EXPECT_EQ(dialog.CodeEdit()->echoMode(), QLineEdit::Normal);

    // With six characters at most, " 480215" arrives as " 48021"; a trailing
    // blank fits only behind a shorter text.
    const QStringList wrong = {"", "48021", " 480215", "48021 ", "123456", "48O215"};
    for (const QString& code : wrong) {
        Enter(code);
        EXPECT_TRUE(dialog.isVisible()) << code.toStdString();
        EXPECT_FALSE(dialog.Accepted);
    }
    ASSERT_EQ(services.boxes.size(), static_cast<std::size_t>(wrong.size()));
    for (const auto& box : services.boxes) {
        EXPECT_EQ(box.text,
                  chinese ? QStringLiteral("密码错误") : QStringLiteral("Password Error"));
        EXPECT_EQ(box.caption, chinese ? QStringLiteral("错误") : QStringLiteral("Error"));
        EXPECT_EQ(box.buttons, ui::MsgButtons::Ok);
        EXPECT_EQ(box.icon, ui::MsgIcon::None);
        EXPECT_EQ(box.parent, &dialog);
    }
    // The typed text stays after the message.
    EXPECT_EQ(dialog.CodeEdit()->text(), QStringLiteral("48O215"));

    Enter(QStringLiteral("480215"));
    EXPECT_TRUE(dialog.Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_P(PasswordDlg, ASeventhCharacterCannotBeTyped) {
    dialog.show();
    QTest::keyClicks(dialog.CodeEdit(), QStringLiteral("4802159"));
    EXPECT_EQ(dialog.CodeEdit()->text(), QStringLiteral("480215"));
    QTest::keyClick(dialog.CodeEdit(), Qt::Key_Return);
    EXPECT_TRUE(dialog.Accepted);
}

TEST_P(PasswordDlg, CancelAfterWrongCodesEndsWithoutFurtherMessage) {
    dialog.show();
    Enter(QStringLiteral("111111"));
    ASSERT_EQ(services.boxes.size(), 1u);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("CancelButton")),
                      Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.Accepted);
    EXPECT_EQ(services.boxes.size(), 1u);
}

TEST_P(PasswordDlg, EscapeCancels) {
    dialog.show();
    QTest::keyClick(dialog.CodeEdit(), Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(services.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, PasswordDlg,
                         ::testing::Values(UiLanguage::English, UiLanguage::Chinese),
                         [](const auto& info) {
                             return info.param == UiLanguage::Chinese ? "Chinese" : "English";
                         });

}  // namespace
}  // namespace qm530
