#include "settings/side_key_dlg.h"

#include <gtest/gtest.h>

#include <QComboBox>

#include "dlg_test_support.h"
#include "model/radio_image.h"

namespace qm530 {
namespace {

using test::DialogEnv;

int RunKeys(DialogEnv& env, RadioImage& image,
            const std::function<void(settings::CSideKeyDlg&)>& drive) {
    settings::CSideKeyDlg dlg(env.ctx, image);
    return env.Run(dlg, [&drive](QDialog& d) { drive(static_cast<settings::CSideKeyDlg&>(d)); });
}

TEST(SideKeyDlg, UnknownCodesShowOffAndStoreZero) {
    DialogEnv env;
    RadioImage image = RadioImage::Default();  // 0xFF in both
    image[0x11D] = 200;
    RunKeys(env, image, [](settings::CSideKeyDlg& d) {
        EXPECT_EQ(d.windowTitle().toStdString(), "Side Key");
        EXPECT_EQ(d.Key1List()->count(), 8);
        EXPECT_EQ(d.Key1List()->currentText().toStdString(), "Off");
        EXPECT_EQ(d.Key2List()->currentText().toStdString(), "Off");
        test::ClickOk(d);
    });
    EXPECT_EQ(image[0x11E], 0);
    EXPECT_EQ(image[0x11D], 0);
}

TEST(SideKeyDlg, ChoicesStoreTheirCodesAndReopen) {
    DialogEnv env;
    RadioImage image = RadioImage::Default();
    RunKeys(env, image, [](settings::CSideKeyDlg& d) {
        test::Choose(d.Key1List(), "Scan");
        test::Focus(d.Key2List());
        QTest::keyClick(d.Key2List(), Qt::Key_Down);  // Monitor
        test::ClickOk(d);
    });
    EXPECT_EQ(image[0x11E], 0x05);
    EXPECT_EQ(image[0x11D], 0x01);

    image[0x11E] = 7;
    DialogEnv zh(test::kTestIni, UiLanguage::Chinese);
    const RadioImage before = image;
    RunKeys(zh, image, [](settings::CSideKeyDlg& d) {
        EXPECT_EQ(d.Key1List()->currentText().toStdString(), "高低功率选择");
        EXPECT_EQ(d.Key2List()->currentText().toStdString(), "监听");
        test::Choose(d.Key1List(), "关闭");
        test::ClickCancel(d);
    });
    EXPECT_EQ(image, before);
}

}  // namespace
}  // namespace qm530
