#include "settings/scan_info_dlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include "dlg_test_support.h"
#include "settings/spin_edit.h"

namespace qm530 {
namespace {

using test::DialogEnv;
using F = settings::ScanField;

QStringList Items(const QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    return items;
}

std::string Text(settings::CSpinEdit* edit) {
    return edit->Text().toStdString();
}

// Replaces the text of an edit by typing, with the focus in it.
void Type(QWidget* edit, const char* text) {
    test::Focus(edit);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// Moves the focus on to the next control, as Tab does.
void Leave(QWidget* edit) {
    QTest::keyClick(edit, Qt::Key_Tab);
    QCoreApplication::processEvents();
}

RadioImage WithChannel3() {
    RadioImage image = RadioImage::Default();
    image[3 * 16 + 3] = 0x14;
    return image;
}

// Runs the dialog on `image` in English; `drive` gets the dialog.
int RunScan(DialogEnv& env, RadioImage& image,
            const std::function<void(settings::CScanInfoDlg&)>& drive) {
    settings::CScanInfoDlg dlg(env.ctx, image);
    return env.Run(dlg, [&drive](QDialog& d) { drive(static_cast<settings::CScanInfoDlg&>(d)); });
}

TEST(ScanInfoDlg, NewDocumentOpensAsStoredAndOkKeepsTheImage) {
    DialogEnv env;
    RadioImage image = RadioImage::Default();
    const RadioImage before = image;
    const int result = RunScan(env, image, [](settings::CScanInfoDlg& d) {
        EXPECT_EQ(d.windowTitle().toStdString(), "Scan Infomation");
        EXPECT_EQ(d.PriorityList()->currentText().toStdString(), "None");
        EXPECT_FALSE(d.PriorityChannelEdit()->isEnabled());
        EXPECT_FALSE(d.TimeEdit(F::LookBackA)->isEnabled());
        EXPECT_FALSE(d.TimeEdit(F::LookBackB)->isEnabled());
        EXPECT_EQ(Text(d.TimeEdit(F::LookBackA)), "0.9");
        EXPECT_EQ(Text(d.TimeEdit(F::LookBackB)), "1.5");
        EXPECT_EQ(Items(d.RevertList()), (QStringList{"Selected", "Selected+Talk back"}));
        EXPECT_EQ(d.RevertList()->currentIndex(), -1);
        EXPECT_TRUE(d.TimeEdit(F::DropoutDelay)->isEnabled());
        EXPECT_EQ(Text(d.TimeEdit(F::DropoutDelay)), "48");
        EXPECT_EQ(Text(d.TimeEdit(F::TxDwell)), "48");
        test::ClickOk(d);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(image, before);
}

TEST(ScanInfoDlg, PriorityModeCouplesFieldsAndRevertList) {
    DialogEnv env;
    RadioImage image = RadioImage::Default();
    RunScan(env, image, [](settings::CScanInfoDlg& d) {
        test::Focus(d.PriorityList());
        QTest::keyClick(d.PriorityList(), Qt::Key_Down);  // Fixed
        EXPECT_TRUE(d.PriorityChannelEdit()->isEnabled());
        EXPECT_TRUE(d.TimeEdit(F::LookBackA)->isEnabled());
        EXPECT_TRUE(d.TimeEdit(F::LookBackB)->isEnabled());
        EXPECT_EQ(Items(d.RevertList()), (QStringList{"Selected", "Selected+Talk back", "Priority",
                                                      "Priority+Talk back"}));
        EXPECT_EQ(d.RevertList()->currentIndex(), 0);
        Type(d.PriorityChannelEdit(), "3");
        Type(d.TimeEdit(F::TxDwell), "120");  // survives the mode switch
        test::Choose(d.PriorityList(), "Selected");
        EXPECT_EQ(d.PriorityChannelEdit()->text(), "");
        EXPECT_FALSE(d.PriorityChannelEdit()->isEnabled());
        EXPECT_FALSE(d.TimeEdit(F::LookBackA)->isEnabled());
        EXPECT_EQ(Text(d.TimeEdit(F::TxDwell)), "120");
        EXPECT_EQ(Items(d.RevertList()), (QStringList{"Priority", "Priority+Talk back"}));
        test::Choose(d.RevertList(), "Priority+Talk back");
        test::ClickOk(d);
    });
    EXPECT_EQ(image[0x160], 2);
    EXPECT_EQ(image[0x164], 3);
    EXPECT_EQ(image[0x161], 0x11);  // only mode Fixed writes the channel
    EXPECT_EQ(image[0x167], 120);
    RunScan(env, image, [](settings::CScanInfoDlg& d) {
        EXPECT_EQ(d.RevertList()->currentText().toStdString(), "Priority+Talk back");
    });
}

TEST(ScanInfoDlg, UnprogrammedPriorityChannelKeepsTheDialogOpen) {
    DialogEnv env;
    RadioImage image = RadioImage::Default();
    image[0x160] = 1;
    image[0x161] = 3;
    const RadioImage before = image;
    RunScan(env, image, [&env](settings::CScanInfoDlg& d) {
        EXPECT_EQ(d.PriorityChannelEdit()->text(), " 3");
        test::ClickOk(d);
        EXPECT_TRUE(d.isVisible());
        ASSERT_EQ(env.services.boxes.size(), 1u);
        EXPECT_EQ(env.services.boxes[0].text.toStdString(), "Please select channel inputed");
        // With the text selected, Enter clears the selection before refusing.
        test::Focus(d.PriorityChannelEdit());
        d.PriorityChannelEdit()->selectAll();
        QTest::keyClick(d.PriorityChannelEdit(), Qt::Key_Return);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.PriorityChannelEdit()->text(), "");
        EXPECT_EQ(env.services.boxes.size(), 2u);
    });
    EXPECT_EQ(image, before);

    RadioImage programmed = WithChannel3();
    programmed[0x160] = 1;
    programmed[0x161] = 9;
    RunScan(env, programmed, [](settings::CScanInfoDlg& d) {
        Type(d.PriorityChannelEdit(), "3");
        test::ClickOk(d);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(programmed[0x161], 3);
}

TEST(ScanInfoDlg, SpinsStepThroughTheLogicAndWrap) {
    DialogEnv env;
    RadioImage image = RadioImage::Default();
    image[0x160] = 1;
    image[0x161] = 3;
    image[0x162] = 91;    // 5.0
    image[0x163] = 1;     // 0.5
    image[0x165] = 0x2C;  // 300
    image[0x166] = 0x01;
    image[0x167] = 0;
    image[0x168] = 0;
    RunScan(env, image, [](settings::CScanInfoDlg& d) {
        settings::CSpinEdit* a = d.TimeEdit(F::LookBackA);
        settings::CSpinEdit* b = d.TimeEdit(F::LookBackB);
        test::Focus(a);
        QTest::keyClick(a, Qt::Key_Up);
        EXPECT_EQ(Text(a), "0.5");
        test::Focus(b);
        QTest::keyClick(b, Qt::Key_Down);
        EXPECT_EQ(Text(b), "5");
        Type(a, "0.9");
        QTest::keyClick(a, Qt::Key_Up);
        EXPECT_EQ(Text(a), "0.95");
        QTest::keyClick(a, Qt::Key_Down);
        EXPECT_EQ(Text(a), "0.9");

        // The arrow buttons, clicked with the mouse.
        settings::CSpinEdit* dropout = d.TimeEdit(F::DropoutDelay);
        QStyleOptionSpinBox option;
        option.initFrom(dropout);
        option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
        option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
        const QRect up = dropout->style()->subControlRect(QStyle::CC_SpinBox, &option,
                                                          QStyle::SC_SpinBoxUp, dropout);
        const QRect down = dropout->style()->subControlRect(QStyle::CC_SpinBox, &option,
                                                            QStyle::SC_SpinBoxDown, dropout);
        QTest::mouseClick(dropout, Qt::LeftButton, {}, up.center());
        EXPECT_EQ(Text(dropout), "0");
        QTest::mouseClick(dropout, Qt::LeftButton, {}, down.center());
        EXPECT_EQ(Text(dropout), "300");
        settings::CSpinEdit* dwell = d.TimeEdit(F::TxDwell);
        test::Focus(dwell);
        QTest::keyClick(dwell, Qt::Key_Down);
        EXPECT_EQ(Text(dwell), "300");
        QTest::keyClick(dwell, Qt::Key_Up);
        EXPECT_EQ(Text(dwell), "0");
        // Page keys are single steps too: the spin never jumps by itself.
        QTest::keyClick(dwell, Qt::Key_PageUp);
        EXPECT_EQ(Text(dwell), "1");
    });
}

TEST(ScanInfoDlg, LeavingATimeFieldBringsItIntoRange) {
    DialogEnv env;
    RadioImage image = RadioImage::Default();
    image[0x160] = 1;
    RunScan(env, image, [](settings::CScanInfoDlg& d) {
        settings::CSpinEdit* a = d.TimeEdit(F::LookBackA);
        const std::pair<const char*, const char*> cases[] = {
            {"7", "5"}, {"0.33", "0.5"}, {"0.97", "0.95"}};
        for (const auto& [typed, shown] : cases) {
            Type(a, typed);
            EXPECT_EQ(Text(a), typed);
            Leave(a);
            EXPECT_EQ(Text(a), shown) << typed;
        }
        settings::CSpinEdit* dropout = d.TimeEdit(F::DropoutDelay);
        Type(dropout, "4x00");  // digits only
        EXPECT_EQ(Text(dropout), "400");
        Leave(dropout);
        EXPECT_EQ(Text(dropout), "300");
    });
}

TEST(ScanInfoDlg, EnterInsideATimeFieldStoresLimitedValues) {
    DialogEnv env;
    RadioImage image = WithChannel3();
    image[0x160] = 1;
    image[0x161] = 3;
    RunScan(env, image, [](settings::CScanInfoDlg& d) {
        // Typed values straight into the image.
        Type(d.TimeEdit(F::DropoutDelay), "400");
        d.TimeEdit(F::LookBackA)->setFocus();
        d.TimeEdit(F::LookBackA)->SetText("7");
        QTest::keyClick(d.TimeEdit(F::LookBackA), Qt::Key_Return);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(image[0x162], 91);    // 5.0
    EXPECT_EQ(image[0x165], 0x2C);  // 300
    EXPECT_EQ(image[0x166], 0x01);
}

TEST(ScanInfoDlg, FieldWithoutANumberPromptsAndKeepsItsValue) {
    DialogEnv env;
    RadioImage image = RadioImage::Default();
    image[0x160] = 1;
    RunScan(env, image, [&env](settings::CScanInfoDlg& d) {
        settings::CSpinEdit* b = d.TimeEdit(F::LookBackB);
        Type(b, "");
        Leave(b);
        ASSERT_EQ(env.services.boxes.size(), 1u);
        EXPECT_EQ(env.services.boxes[0].caption.toStdString(), "QM530 Programming Tool");
        EXPECT_EQ(Text(b), "1.5");
        test::ClickCancel(d);
    });
}

TEST(ScanInfoDlg, UnknownPriorityModeStaysUnlessChosen) {
    DialogEnv env;
    RadioImage image = RadioImage::Default();
    image[0x160] = 7;
    image[0x164] = 3;
    RunScan(env, image, [](settings::CScanInfoDlg& d) {
        EXPECT_EQ(d.PriorityList()->currentIndex(), -1);
        EXPECT_EQ(d.RevertList()->currentText().toStdString(), "Priority+Talk back");
        test::ClickOk(d);
    });
    EXPECT_EQ(image[0x160], 7);
    EXPECT_EQ(image[0x164], 3);
}

TEST(ScanInfoDlg, ChineseListsAndMessage) {
    DialogEnv env(test::kTestIni, UiLanguage::Chinese);
    RadioImage image = RadioImage::Default();
    settings::CScanInfoDlg dlg(env.ctx, image);
    env.Run(dlg, [&env](QDialog& dd) {
        auto& d = static_cast<settings::CScanInfoDlg&>(dd);
        test::Focus(d.PriorityList());
        QTest::keyClick(d.PriorityList(), Qt::Key_Down);
        EXPECT_EQ(Items(d.RevertList()),
                  (QStringList{"选定", "选定+当前通话", "优先", "优先+当前通话"}));
        test::ClickOk(d);  // channel field empty: refused
        ASSERT_EQ(env.services.boxes.size(), 1u);
        EXPECT_EQ(env.services.boxes[0].text.toStdString(), "请选择已输入的信道");
    });
}

TEST(ScanInfoDlg, CancelChangesNothing) {
    DialogEnv env;
    RadioImage image = WithChannel3();
    const RadioImage before = image;
    RunScan(env, image, [](settings::CScanInfoDlg& d) {
        test::Choose(d.PriorityList(), "Fixed");
        Type(d.PriorityChannelEdit(), "3");
        Type(d.TimeEdit(F::LookBackA), "2");
        Type(d.TimeEdit(F::TxDwell), "7");
        test::ClickCancel(d);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(image, before);
    // Escape from a field without a number closes without a prompt.
    RunScan(env, image, [&env](settings::CScanInfoDlg& d) {
        test::Choose(d.PriorityList(), "Fixed");
        Type(d.TimeEdit(F::LookBackA), "");
        QTest::keyClick(d.TimeEdit(F::LookBackA), Qt::Key_Escape);
        EXPECT_FALSE(d.isVisible());
        EXPECT_TRUE(env.services.boxes.empty());
    });
    EXPECT_EQ(image, before);
}

}  // namespace
}  // namespace qm530
