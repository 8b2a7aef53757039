#include "settings/optional_features_dlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTextBrowser>

#include "dlg_test_support.h"

namespace qm530 {
namespace {

using test::DialogEnv;
using L = settings::FeatureList;

// A click on the box itself (the control can be wider than its text).
void Click(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

std::string Shown(const settings::COptionalFeaturesDlg& d, L list) {
    return d.List(list)->currentText().toStdString();
}

int RunFeatures(DialogEnv& env, RadioImage& image,
                const std::function<void(settings::COptionalFeaturesDlg&)>& drive) {
    settings::COptionalFeaturesDlg dlg(env.ctx, image);
    return env.Run(
        dlg, [&drive](QDialog& d) { drive(static_cast<settings::COptionalFeaturesDlg&>(d)); });
}

TEST(OptionalFeaturesDlg, NewDocumentShowsDefaultsAndOkKeepsThem) {
    DialogEnv env;
    RadioImage image = RadioImage::Default();
    const RadioImage before = image;
    RunFeatures(env, image, [](settings::COptionalFeaturesDlg& d) {
        EXPECT_EQ(Shown(d, L::TimeOutTimer), "60s");
        EXPECT_EQ(Shown(d, L::TotPreAlert), "8");
        EXPECT_EQ(Shown(d, L::SquelchLevel), "4");
        EXPECT_EQ(Shown(d, L::Voice), "Chinese");
        EXPECT_EQ(Shown(d, L::VoxGain), "5");
        EXPECT_EQ(Shown(d, L::VoxDelay), "1.0");
        EXPECT_TRUE(d.Beep()->isChecked());
        EXPECT_TRUE(d.BatterySaver()->isChecked());
        // The two hidden lists exist, filled, but are never shown.
        EXPECT_FALSE(d.List(L::SquelchTune)->isVisible());
        EXPECT_FALSE(d.List(L::CallTone)->isVisible());
        EXPECT_EQ(d.List(L::SquelchTune)->count(), 75);
        EXPECT_EQ(Shown(d, L::SquelchTune), "24");
        EXPECT_EQ(d.List(L::TimeOutTimer)->count(), 40);
        test::ClickOk(d);
    });
    EXPECT_EQ(image, before);
}

TEST(OptionalFeaturesDlg, ChoicesChangeOnlyTheirBits) {
    DialogEnv env;
    RadioImage image = RadioImage::Default();
    image[0x130] |= 0x80;
    image[0x131] = 0xA9;
    image[0x135] = 0xF1;
    image[0x3F2] = 50;
    RunFeatures(env, image, [](settings::COptionalFeaturesDlg& d) {
        test::Focus(d.List(L::TimeOutTimer));
        QTest::keyClick(d.List(L::TimeOutTimer), Qt::Key_End);
        EXPECT_EQ(Shown(d, L::TimeOutTimer), "600s");
        test::Choose(d.List(L::TotPreAlert), "Off");
        Click(d.BatterySaver());
        test::Focus(d.Beep());
        QTest::keyClick(d.Beep(), Qt::Key_Space);
        test::ClickOk(d);
    });
    EXPECT_EQ(image[0x130], 0x80 | 40);
    EXPECT_EQ(image[0x131], 0xA1);
    EXPECT_EQ(image[0x135], 0xF0);
    EXPECT_EQ(image[0x136], 0x00);
    EXPECT_EQ(image[0x3F2], 50);  // passes through the hidden list
    RunFeatures(env, image, [](settings::COptionalFeaturesDlg& d) {
        EXPECT_FALSE(d.BatterySaver()->isChecked());
        EXPECT_FALSE(d.Beep()->isChecked());
        EXPECT_EQ(Shown(d, L::TotPreAlert), "Off");
    });
}

TEST(OptionalFeaturesDlg, ValuesOutsideTheListsAreNormalisedOrKept) {
    DialogEnv env;
    RadioImage image = RadioImage::Default();
    image[0x3F2] = 5;     // Squelch Tune: shows 24
    image[0x12F] = 3;     // Voice: shows Chinese
    image[0x13A] = 0xFF;  // Vox Gain 31: no selection
    image[0x13B] = 0xFE;  // Vox Delay 6: no selection
    RunFeatures(env, image, [](settings::COptionalFeaturesDlg& d) {
        EXPECT_EQ(Shown(d, L::SquelchTune), "24");
        EXPECT_EQ(Shown(d, L::Voice), "Chinese");
        EXPECT_EQ(d.List(L::VoxGain)->currentIndex(), -1);
        EXPECT_EQ(d.List(L::VoxDelay)->currentIndex(), -1);
        test::ClickOk(d);
    });
    EXPECT_EQ(image[0x3F2], 24);
    EXPECT_EQ(image[0x12F], 1);
    EXPECT_EQ(image[0x13A], 0xFF);
    EXPECT_EQ(image[0x13B], 0xFE);
}

TEST(OptionalFeaturesDlg, ChineseListsAndCancel) {
    DialogEnv env(test::kTestIni, UiLanguage::Chinese);
    RadioImage image = RadioImage::Default();
    const RadioImage before = image;
    settings::COptionalFeaturesDlg dlg(env.ctx, image);
    env.Run(dlg, [](QDialog& dd) {
        auto& d = static_cast<settings::COptionalFeaturesDlg&>(dd);
        EXPECT_EQ(Shown(d, L::Voice), "中文");
        EXPECT_EQ(d.List(L::Voice)->itemText(0).toStdString(), "关");
        EXPECT_EQ(d.List(L::VoxGain)->itemText(0).toStdString(), "关");
        test::Choose(d.List(L::Voice), "英文");
        Click(d.Beep());
        EXPECT_FALSE(d.Beep()->isChecked());
        test::ClickCancel(d);
    });
    EXPECT_EQ(image, before);
}

TEST(OptionalFeaturesDlg, F1OnTheTimeOutTimerAsksForItsTopic) {
    DialogEnv env;
    QDir help(env.dir.path());
    help.mkpath("enHelp");
    for (const auto& [name, text] : std::initializer_list<std::pair<const char*, const char*>>{
             {"index.html", "<html></html>"},
             {"features.html", "<html><a name='tot'></a></html>"},
             {"topics.map", "1118 features.html#tot\n"}}) {
        QFile f(help.filePath(QString("enHelp/") + name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    env.ctx.help.SetHelpRoot(env.dir.path().toStdString() + "/");
    RadioImage image = RadioImage::Default();
    RunFeatures(env, image, [&env](settings::COptionalFeaturesDlg& d) {
        test::Focus(d.List(L::TimeOutTimer));
        QTest::keyClick(d.List(L::TimeOutTimer), Qt::Key_F1);
        EXPECT_EQ(env.ctx.help.LastTarget().toStdString(), "features.html#tot");
    });
    if (env.ctx.help.Window()) env.ctx.help.Window()->close();
}

}  // namespace
}  // namespace qm530
