// Start-up of the desktop program: language, pack, password, first document, menus.
#include <QAction>
#include <QMenu>
#include <QTreeWidget>

#include "app/about_dlg.h"
#include "app/child_frame.h"
#include "app/navigation_bar.h"
#include "model/program_doc.h"
#include "model/radio_image.h"
#include "support/gui_fixture.h"
#include "ui/command_ids.h"
#include "ui/ui_services.h"

namespace qm530::test {
namespace {

bool MenuHasCommand(QMenu* menu, int id) {
    for (QAction* action : menu->actions()) {
        if (action->data().toInt() == id && action->isVisible()) return true;
    }
    return false;
}

QMenu* SetupMenu(app::CMainFrame* frame) {
    return frame->findChild<QMenu*>(QStringLiteral("Setup"));
}

TEST(StartUp, EnglishStartsWithNewDocumentAndDocumentMenu) {
    Harness h(ProgramIni("English"));
    ASSERT_TRUE(h.Start());
    app::CMainFrame* frame = h.Frame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(h.ctx.UiLanguage, UiLanguage::English);
    EXPECT_EQ(h.ctx.help.HelpFileName(), "enHelp");
    EXPECT_EQ(h.ctx.ApplicationName, "QM530 Programming Tool");
    ASSERT_EQ(h.services.dialogTitles.size(), 1u);
    EXPECT_EQ(h.services.dialogTitles[0], QStringLiteral("Password"));
    EXPECT_TRUE(h.services.boxes.empty());
    ASSERT_EQ(frame->DocumentWindows().size(), 1);
    RadioImage expected = RadioImage::Default();  // model 0, band 0 from the empty registry
    expected[addr::kProductType] = 0;
    expected[addr::kBandIndex] = 0;
    EXPECT_EQ(frame->ActiveDocument()->Image, expected);
    EXPECT_EQ(frame->ActiveDocument()->PathName(), "");  // untitled
    EXPECT_EQ(frame->ActiveDocument()->ProposedName(), "QM530Test");
    EXPECT_TRUE(frame->ActiveDocument()->ImageIsDefault);
    EXPECT_TRUE(frame->isMaximized());
    EXPECT_FALSE(frame->windowIcon().isNull());

    QStringList menus;
    for (QMenu* m : frame->ShownMenus()) menus << m->title();
    EXPECT_EQ(menus,
              QStringList({"&File", "&Edit", "&Program", "&View", "&Setup", "&Window", "&Help"}));
    EXPECT_EQ(frame->Action(ui::cmd::kAppAbout)->text(), QStringLiteral("&About QM530"));
    EXPECT_TRUE(MenuHasCommand(SetupMenu(frame), ui::cmd::kLanguage));
    // The tree in the language of the run.
    QTreeWidgetItem* root = frame->NavigationBar()->RootItem();
    EXPECT_EQ(root->text(0), QStringLiteral("QM530 Programming Tool"));
    ASSERT_EQ(root->childCount(), 4);
    EXPECT_EQ(root->child(0)->text(0), QStringLiteral("Product Information"));
    EXPECT_EQ(root->child(3)->text(0), QStringLiteral("Side Key"));
}

TEST(StartUp, ChineseUsesChinesePackTextsAndHelp) {
    Harness h(ProgramIni("Chinese"));
    ASSERT_TRUE(h.Start());
    EXPECT_EQ(h.ctx.UiLanguage, UiLanguage::Chinese);
    EXPECT_EQ(h.ctx.help.HelpFileName(), "chHelp");
    EXPECT_EQ(h.Frame()->ShownMenus().front()->title(), QStringLiteral("文件(&F)"));
    EXPECT_EQ(h.Frame()->Action(ui::cmd::kAppAbout)->text(), QStringLiteral("关于 QM530(&A)"));
    QTreeWidgetItem* root = h.Frame()->NavigationBar()->RootItem();
    EXPECT_EQ(root->child(1)->text(0), QStringLiteral("信道信息"));
    EXPECT_EQ(h.Frame()->ActiveDocument()->Title(), "信道信息");
}

TEST(StartUp, MissingPackEndsBeforeAnyWindow) {
    struct Case {
        const char* language;
        const char* message;
    } cases[] = {{"English", "Load language DLL fail"},
                 {"Chinese", "加载语言链接库失败"},
                 {"Chinese // comment", "Load language DLL fail"},  // "Chinese " + ".rcc"
                 {nullptr, "Load language DLL fail"}};
    for (const Case& c : cases) {
        Harness h(ProgramIni(c.language), /*withPacks=*/false);
        EXPECT_FALSE(h.Start()) << c.message;
        EXPECT_EQ(h.Frame(), nullptr);
        EXPECT_EQ(h.app->ExitCode(), 1);
        ASSERT_EQ(h.services.boxes.size(), 1u);
        EXPECT_EQ(h.services.boxes[0].text, QString::fromUtf8(c.message));
        EXPECT_EQ(h.services.boxes[0].caption, QStringLiteral("Program"));
        EXPECT_EQ(h.services.boxes[0].buttons, ui::MsgButtons::Ok);
        EXPECT_TRUE(h.services.dialogTitles.empty()) << "no password dialog";
    }
}

TEST(StartUp, TrailingBlankLanguageDoesNotFindTheChinesePack) {
    Harness h(ProgramIni("Chinese // note"));
    EXPECT_FALSE(h.Start());
    EXPECT_EQ(h.ctx.LanguageName, "Chinese ");
    EXPECT_EQ(h.ctx.UiLanguage, UiLanguage::English);
}

TEST(StartUp, MissingProgramIniIsCreatedEmptyAndStartUpFails) {
    Harness h(ProgramIni("English"));
    QFile::remove(h.dir.File(QStringLiteral("Program.ini")));
    EXPECT_FALSE(h.Start());
    EXPECT_TRUE(QFile::exists(h.dir.File(QStringLiteral("Program.ini"))));
    ASSERT_EQ(h.services.boxes.size(), 1u);
    EXPECT_EQ(h.services.boxes[0].text, QStringLiteral("Load language DLL fail"));
}

// "chinese" finds Chinese.rcc, as on the file systems that ignore case:
// Chinese resources, English texts.
TEST(StartUp, LowerCaseChineseGivesChineseResourcesWithEnglishCodeTexts) {
    Harness h(ProgramIni("chinese"));
    ASSERT_FALSE(QFile::exists(h.dir.File(QStringLiteral("chinese.rcc"))));
    ASSERT_TRUE(h.Start());
    EXPECT_EQ(h.ctx.UiLanguage, UiLanguage::English);
    EXPECT_EQ(h.ctx.help.HelpFileName(), "enHelp");
    EXPECT_EQ(h.Frame()->ShownMenus().front()->title(), QStringLiteral("文件(&F)"));
    EXPECT_EQ(h.Frame()->ActiveDocument()->Title(), "Channel Information");
    // The language section "chinese" matches [Chinese] without regard to case.
    EXPECT_EQ(h.ctx.ApplicationName, "QM530 写频软件");
}

TEST(StartUp, ShowLangDecidesTheLanguageCommand) {
    struct Case {
        const char* line;
        bool shown;
    } cases[] = {{"", false},
                 {"ShowLang=\n", false},
                 {"ShowLang=0\n", false},
                 {"ShowLang=abc\n", false},
                 {"ShowLang=1\n", true},
                 {"ShowLang=2 // yes\n", true}};
    for (const Case& c : cases) {
        Harness h(ProgramIni("English", c.line, /*showLang=*/false));
        ASSERT_TRUE(h.Start());
        EXPECT_EQ(MenuHasCommand(SetupMenu(h.Frame()), ui::cmd::kLanguage), c.shown) << c.line;
        EXPECT_TRUE(MenuHasCommand(SetupMenu(h.Frame()), ui::cmd::kComSetup));
    }
}

TEST(StartUp, MissingAboutTitleEmptiesTheAboutItem) {
    std::string ini = ProgramIni("English");
    ini.replace(ini.find("About Title=About QM530\n"), 24, "");
    Harness h(ini);
    ASSERT_TRUE(h.Start());
    EXPECT_EQ(h.Frame()->Action(ui::cmd::kAppAbout)->text(), QString());
    // The About box's caption shows nothing, not the program's file name,
    // which Qt puts in place of an empty title.
    app::CAboutDlg about(h.ctx, h.Frame());
    const QString caption = about.windowTitle();
    EXPECT_FALSE(caption.isEmpty());
    for (QChar c : caption) EXPECT_EQ(c.category(), QChar::Other_Format) << int{c.unicode()};
    // The short menu's About item keeps the pack's text.
    auto* shortAbout = h.Frame()->findChild<QAction*>(QStringLiteral("AboutShort"));
    EXPECT_EQ(shortAbout->text(), QStringLiteral("&About Program..."));
}

TEST(StartUp, CancelledPasswordEndsSilently) {
    Harness h(ProgramIni("English"));
    h.services.dialogHandlers.push_back([](QDialog& d) { Click(&d, "CancelButton"); });
    EXPECT_FALSE(h.Start({}, /*answerPassword=*/false));
    EXPECT_EQ(h.Frame(), nullptr);
    EXPECT_EQ(h.app->ExitCode(), 0);
    EXPECT_TRUE(h.services.boxes.empty());
}

TEST(StartUp, CommandLineOpensTheFile) {
    Harness h(ProgramIni("English"));
    const QString path = WriteDat(h.dir.File(QStringLiteral("radio.dat")), 1024);
    ASSERT_TRUE(h.Start({path}));
    ASSERT_EQ(h.Frame()->DocumentWindows().size(), 1);
    CProgramDoc* doc = h.Frame()->ActiveDocument();
    EXPECT_EQ(doc->PathName(), path.toStdString());
    EXPECT_EQ(doc->Image[0x10], 0x10);
    EXPECT_FALSE(doc->ImageIsDefault);
}

TEST(StartUp, CommandLineFileThatCannotBeOpenedEndsTheProgram) {
    Harness h(ProgramIni("English"));
    const QString shortFile = WriteDat(h.dir.File(QStringLiteral("short.dat")), 1023);
    EXPECT_FALSE(h.Start({shortFile}));
    EXPECT_EQ(h.app->ExitCode(), 1);
    EXPECT_EQ(h.Frame(), nullptr);
    ASSERT_EQ(h.services.boxes.size(), 1u);
    EXPECT_TRUE(h.services.boxes[0].text.contains(shortFile));
    EXPECT_TRUE(h.services.boxes[0].text.contains(QStringLiteral("1024")));
}

}  // namespace
}  // namespace qm530::test
