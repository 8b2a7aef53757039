// The settings dialogs as the program opens them: the Edit menu and the
// navigation tree on the active document, Scan Info from the channel view.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "editor/program_view.h"
#include "model/program_doc.h"
#include "support/gui_fixture.h"
#include "ui/command_ids.h"

namespace qm530::test {
namespace {

// Picks an item of a list of `dialog` found by object name.
void Pick(QDialog& dialog, const char* list, int position) {
    auto* combo = dialog.findChild<QComboBox*>(QString::fromLatin1(list));
    ASSERT_NE(combo, nullptr) << list;
    combo->setCurrentIndex(position);
}

TEST(SettingsFromTheFrame, EditMenuDialogsWorkOnTheActiveDocument) {
    Harness h(ProgramIni("English"));
    ASSERT_TRUE(h.Start());
    app::CMainFrame& frame = *h.Frame();
    for (int id :
         {ui::cmd::kProductInfo, ui::cmd::kOptionalFeatures, ui::cmd::kSideKey, ui::cmd::kScanInfo})
        EXPECT_TRUE(frame.Action(id)->isEnabled()) << id;
    CProgramDoc& doc = *frame.ActiveDocument();
    editor::CProgramView& view = *frame.ActiveView();

    h.services.dialogHandlers.push_back([](QDialog& d) {
        Pick(d, "Combo1014", 1);
        Click(&d, "OkButton");
    });
    frame.Action(ui::cmd::kProductInfo)->trigger();
    EXPECT_EQ(doc.Image[0x3D3], 1);
    EXPECT_EQ(view.BandLow, 40000000);
    EXPECT_EQ(view.BandHigh, 47000000);
    // The OK changed bytes: the document is modified.
    EXPECT_EQ(frame.windowTitle(),
              QStringLiteral("QM530 CPS  [ Type:QM-520  Fre:400 - 470MHz ] *"));
    EXPECT_EQ(h.registry->ReadDword("Field", 0), 1u);

    h.services.dialogHandlers.push_back([](QDialog& d) {
        d.findChild<QCheckBox*>(QStringLiteral("Check1016"))->setChecked(false);
        Click(&d, "OkButton");
    });
    frame.Action(ui::cmd::kOptionalFeatures)->trigger();
    EXPECT_EQ(doc.Image[0x136], 0x00);

    h.services.dialogHandlers.push_back([](QDialog& d) {
        Pick(d, "Combo1009", 5);
        Click(&d, "OkButton");
    });
    frame.Action(ui::cmd::kSideKey)->trigger();
    EXPECT_EQ(doc.Image[0x11E], 5);
    EXPECT_EQ(h.services.dialogTitles, (std::vector<QString>{"Password", "Product Information",
                                                             "Optional Features", "Side Key"}));
}

TEST(SettingsFromTheFrame, ScanInfoStoresTheGridFirst) {
    Harness h(ProgramIni("English"));
    ASSERT_TRUE(h.Start());
    app::CMainFrame& frame = *h.Frame();
    CProgramDoc& doc = *frame.ActiveDocument();
    // Channel 3 programmed in the image only: the grid still shows it empty,
    // and the grid is what the priority channel check must see.
    doc.Image[3 * 16 + 3] = 0x14;
    bool stayedOpen = false;
    h.services.dialogHandlers.push_back([&stayedOpen](QDialog& d) {
        Pick(d, "Combo1001", 1);
        d.findChild<QLineEdit*>(QStringLiteral("Edit1003"))->setText(QStringLiteral("3"));
        Click(&d, "OkButton");
        stayedOpen = d.isVisible();
    });
    frame.Action(ui::cmd::kScanInfo)->trigger();
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(h.services.dialogTitles.back(), QStringLiteral("Scan Infomation"));
    ASSERT_FALSE(h.services.boxes.empty());
    EXPECT_EQ(h.services.boxes.back().text, QStringLiteral("Please select channel inputed"));
    EXPECT_EQ(doc.Image[3 * 16 + 3], 0xFF);
    EXPECT_EQ(doc.Image[0x160], 0);
}

TEST(SettingsFromTheFrame, ChineseDialogsAndTheEnglishCaptionOfOk) {
    Harness h(ProgramIni("Chinese"));
    ASSERT_TRUE(h.Start());
    app::CMainFrame& frame = *h.Frame();
    h.services.dialogHandlers.push_back([](QDialog& d) { Click(&d, "OkButton"); });
    frame.Action(ui::cmd::kProductInfo)->trigger();
    h.services.dialogHandlers.push_back([](QDialog& d) {
        EXPECT_EQ(d.findChild<QComboBox*>(QStringLiteral("Combo1009"))->currentText(),
                  QStringLiteral("关闭"));
    });
    frame.Action(ui::cmd::kSideKey)->trigger();
    EXPECT_EQ(frame.windowTitle(),
              QStringLiteral("QM530 写频软件  [ Type:QM-520  Fre:130 - 160MHz ]"));
    const std::vector<QString> titles(h.services.dialogTitles.end() - 2,
                                      h.services.dialogTitles.end());
    EXPECT_EQ(titles, (std::vector<QString>{"类型设置", "侧键设置"}));
}

}  // namespace
}  // namespace qm530::test
