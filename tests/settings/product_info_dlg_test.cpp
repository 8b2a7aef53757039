#include "settings/product_info_dlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTextBrowser>

#include "dlg_test_support.h"
#include "model/radio_image.h"
#include "ui/settings_registry.h"

namespace qm530 {
namespace {

using test::DialogEnv;

QStringList Items(const QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    return items;
}

// A document's image and view limits as the dialog changes them.
struct Target {
    RadioImage image = RadioImage::Default();
    std::int32_t low = 111;
    std::int32_t high = 222;
    settings::ProductInfoTarget Pointers() { return {&image, &low, &high}; }
};

TEST(ProductInfoDlg, SecondBandStoresImageRegistryCaptionAndLimits) {
    // The registry as the program keeps it, in a QSettings file.
    DialogEnv env(test::kTestIni, UiLanguage::English, nullptr);
    env.ctx.registry = std::make_unique<ui::SettingsRegistry>(env.ini);
    Target t;
    settings::CProductInfoDlg dlg(env.ctx, t.Pointers());
    const int result = env.Run(dlg, [](QDialog& d) {
        auto& p = static_cast<settings::CProductInfoDlg&>(d);
        EXPECT_EQ(Items(p.TypeList()), (QStringList{"QM-520", "QM-530"}));
        EXPECT_EQ(p.TypeList()->currentIndex(), 0);  // no registry values yet
        EXPECT_EQ(Items(p.FrequencyList()), (QStringList{"130 - 160MHz", "400 - 470MHz"}));
        test::Choose(p.FrequencyList(), "400 - 470MHz");
        test::ClickOk(d);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(t.image[0x3D2], 0x00);
    EXPECT_EQ(t.image[0x3D3], 0x01);
    EXPECT_EQ(t.low, 40000000);
    EXPECT_EQ(t.high, 47000000);
    EXPECT_EQ(env.ctx.WindowTitle, "QM530 CPS  [ Type:QM-520  Fre:400 - 470MHz ]");
    const ui::SettingsRegistry reread(env.ini);
    EXPECT_EQ(reread.ReadDword("Type", 99), 0u);
    EXPECT_EQ(reread.ReadDword("Field", 99), 1u);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(reread.FileName())));
}

TEST(ProductInfoDlg, OpensOnRegistryChoiceAndModelChangeSelectsFirstBand) {
    DialogEnv env;
    env.ctx.registry->WriteDword("Type", 1);
    env.ctx.registry->WriteDword("Field", 1);
    Target t;
    t.image[0x3D2] = 0;  // the image's own bytes do not decide what opens
    t.image[0x3D3] = 0;
    settings::CProductInfoDlg dlg(env.ctx, t.Pointers());
    env.Run(dlg, [](QDialog& d) {
        auto& p = static_cast<settings::CProductInfoDlg&>(d);
        EXPECT_EQ(p.TypeList()->currentText(), "QM-530");
        EXPECT_EQ(p.FrequencyList()->currentText(), "400 - 480MHz");
        // Keyboard: the model one up; band 1 would exist there too, yet band 0 is chosen.
        test::Focus(p.TypeList());
        QTest::keyClick(p.TypeList(), Qt::Key_Up);
        EXPECT_EQ(p.TypeList()->currentText(), "QM-520");
        EXPECT_EQ(Items(p.FrequencyList()), (QStringList{"130 - 160MHz", "400 - 470MHz"}));
        EXPECT_EQ(p.FrequencyList()->currentIndex(), 0);
        QTest::keyClick(&d, Qt::Key_Return);  // OK is the default button
    });
    EXPECT_EQ(t.image[0x3D2], 0);
    EXPECT_EQ(t.image[0x3D3], 0);
    EXPECT_EQ(env.ctx.registry->ReadDword("Type", 9), 0u);
    EXPECT_EQ(env.ctx.registry->ReadDword("Field", 9), 0u);
    EXPECT_EQ(t.low, 13000000);
    EXPECT_EQ(t.high, 16000000);
}

TEST(ProductInfoDlg, ChineseInterfaceStillCaptionsInEnglish) {
    DialogEnv env(test::kTestIni, UiLanguage::Chinese);
    env.ctx.registry->WriteDword("Type", 1);
    Target t;
    settings::CProductInfoDlg dlg(env.ctx, t.Pointers());
    env.Run(dlg, [](QDialog& d) { test::ClickOk(d); });
    EXPECT_EQ(env.ctx.WindowTitle, "QM530 写频软件  [ Type:QM-530  Fre:136 - 174MHz ]");
    EXPECT_EQ(t.low, 13600000);
    EXPECT_EQ(t.high, 17400000);
}

TEST(ProductInfoDlg, CancelAndEscapeChangeNothing) {
    DialogEnv env;
    env.ctx.WindowTitle = "before";
    Target t;
    const RadioImage before = t.image;
    for (const bool escape : {false, true}) {
        settings::CProductInfoDlg dlg(env.ctx, t.Pointers());
        const int result = env.Run(dlg, [escape](QDialog& d) {
            auto& p = static_cast<settings::CProductInfoDlg&>(d);
            test::Choose(p.TypeList(), "QM-530");
            test::Choose(p.FrequencyList(), "400 - 480MHz");
            if (escape) {
                QTest::keyClick(p.FrequencyList(), Qt::Key_Escape);
            } else {
                test::ClickCancel(d);
            }
            EXPECT_FALSE(d.isVisible());
        });
        EXPECT_EQ(result, QDialog::Rejected);
    }
    EXPECT_EQ(t.image, before);
    EXPECT_EQ(t.low, 111);
    EXPECT_EQ(t.high, 222);
    EXPECT_EQ(env.ctx.WindowTitle, "before");
    EXPECT_FALSE(static_cast<config::MemoryRegistry&>(*env.ctx.registry).Has("Type"));
}

TEST(ProductInfoDlg, NoModelsStoreNoSelection) {
    DialogEnv env("[Setup]\nAppName=X\n[English]\nAppName=App\n");
    Target t;
    settings::CProductInfoDlg dlg(env.ctx, t.Pointers());
    env.Run(dlg, [](QDialog& d) {
        auto& p = static_cast<settings::CProductInfoDlg&>(d);
        EXPECT_EQ(p.TypeList()->count(), 0);
        EXPECT_EQ(Items(p.FrequencyList()), QStringList{""});  // Field0, empty
        EXPECT_EQ(p.FrequencyList()->currentIndex(), 0);
        test::ClickOk(d);
    });
    EXPECT_EQ(t.image[0x3D2], 0xFF);
    EXPECT_EQ(t.image[0x3D3], 0x00);
    EXPECT_EQ(env.ctx.registry->ReadDword("Type", 0), 0xFFFFFFFFu);
    EXPECT_EQ(env.ctx.registry->ReadDword("Field", 1), 0u);
    EXPECT_EQ(t.low, 0);
    EXPECT_EQ(t.high, 0);
    EXPECT_EQ(env.ctx.WindowTitle, "App  [ Type:  Fre: ]");
}

TEST(ProductInfoDlg, RegistryBeyondTheListsLeavesNoSelection) {
    DialogEnv env(std::string(test::kTestIni) + "[Setup]\n");
    env.ctx.registry->WriteDword("Type", 0);
    env.ctx.registry->WriteDword("Field", 5);
    Target t;
    settings::CProductInfoDlg dlg(env.ctx, t.Pointers());
    env.Run(dlg, [](QDialog& d) {
        auto& p = static_cast<settings::CProductInfoDlg&>(d);
        EXPECT_EQ(p.FrequencyList()->currentIndex(), -1);
        test::ClickOk(d);
    });
    EXPECT_EQ(t.image[0x3D3], 0xFF);
    EXPECT_EQ(env.ctx.registry->ReadDword("Field", 0), 0xFFFFFFFFu);
    EXPECT_EQ(t.low, 0);

    env.ctx.registry->WriteDword("Type", 7);
    settings::CProductInfoDlg again(env.ctx, t.Pointers());
    env.Run(again, [](QDialog& d) {
        auto& p = static_cast<settings::CProductInfoDlg&>(d);
        EXPECT_EQ(p.TypeList()->currentIndex(), -1);
        EXPECT_EQ(Items(p.FrequencyList()), QStringList{""});  // Field0
    });
}

TEST(ProductInfoDlg, F1OpensTheFocusedControlsTopic) {
    DialogEnv env;
    QDir help(env.dir.path());
    help.mkpath("enHelp");
    const auto write = [&](const char* name, const char* text) {
        QFile f(help.filePath(QString("enHelp/") + name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    };
    write("index.html", "<html></html>");
    write("product.html", "<html><a name='type'></a><a name='band'></a></html>");
    write("topics.map", "1013 product.html#type\n1014 product.html#band\n");
    env.ctx.help.SetHelpRoot(env.dir.path().toStdString() + "/");
    Target t;
    settings::CProductInfoDlg dlg(env.ctx, t.Pointers());
    env.Run(dlg, [&env](QDialog& d) {
        auto& p = static_cast<settings::CProductInfoDlg&>(d);
        test::Focus(p.FrequencyList());
        QTest::keyClick(p.FrequencyList(), Qt::Key_F1);
        EXPECT_EQ(env.ctx.help.LastTarget().toStdString(), "product.html#band");
        // Back from the help window.
        env.ctx.help.Window()->close();
        QCoreApplication::processEvents();
        QApplication::setActiveWindow(&d);
        test::Focus(p.TypeList());
        QTest::keyClick(p.TypeList(), Qt::Key_F1);
        EXPECT_EQ(env.ctx.help.LastTarget().toStdString(), "product.html#type");
    });
    if (env.ctx.help.Window()) env.ctx.help.Window()->close();
}

}  // namespace
}  // namespace qm530
