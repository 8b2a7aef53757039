// Language change, help topics, the string table of the packs and the registry.
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTextBrowser>

#include "app/language_dlg.h"
#include "app/language_pack.h"
#include "config/help_topics.h"
#include "editor/program_view.h"
#include "model/messages.h"
#include "support/gui_fixture.h"
#include "ui/command_ids.h"
#include "ui/settings_registry.h"
#include "ui/string_table.h"

namespace qm530::test {
namespace {

void ChooseLanguage(Harness& h, const char* button, const char* closeWith) {
    h.services.dialogHandlers.push_back([button, closeWith](QDialog& dialog) {
        dialog.findChild<QRadioButton*>(QString::fromLatin1(button))->setChecked(true);
        Click(&dialog, closeWith);
    });
}

TEST(LanguageChange, ChineseIsWrittenBeforeTheProgramRestartsItself) {
    Harness h(ProgramIni("English"));
    ASSERT_TRUE(h.Start());
    ChooseLanguage(h, "Radio1007", "OkButton");
    QByteArray iniWhenStarted;
    h.services.onStart = [&] { iniWhenStarted = h.dir.ReadProgramIni(); };
    h.Frame()->Action(ui::cmd::kLanguage)->trigger();
    ASSERT_EQ(h.services.started.size(), 1u);
    EXPECT_EQ(h.services.started[0].program, QCoreApplication::applicationFilePath());
    EXPECT_TRUE(h.services.started[0].arguments.isEmpty());
    // The file already says Chinese when the new instance starts.
    const QByteArray ini = iniWhenStarted;
    EXPECT_TRUE(ini.contains("Language=Chinese")) << ini.constData();
    EXPECT_FALSE(ini.contains("Language=English"));
    EXPECT_FALSE(h.Frame()->isVisible());
}

TEST(LanguageChange, SameLanguageOrCancelChangesNothing) {
    Harness h(ProgramIni("Chinese"));
    ASSERT_TRUE(h.Start());
    const QByteArray before = h.dir.ReadProgramIni();
    ChooseLanguage(h, "Radio1007", "OkButton");  // Chinese while Chinese runs
    h.Frame()->Action(ui::cmd::kLanguage)->trigger();
    ChooseLanguage(h, "Radio1006", "CancelButton");  // English, then Cancel
    h.Frame()->Action(ui::cmd::kLanguage)->trigger();
    EXPECT_TRUE(h.services.started.empty());
    EXPECT_FALSE(h.ini.Modified());
    EXPECT_EQ(h.dir.ReadProgramIni(), before);
    EXPECT_TRUE(h.Frame()->isVisible());
}

TEST(LanguageChange, DialogShowsTheRunningLanguage) {
    Harness h(ProgramIni("Chinese"));
    ASSERT_TRUE(h.Start());
    app::CLanguageDlg dialog(h.ctx);
    dialog.show();
    EXPECT_EQ(dialog.LanguageIndex, 1);
    EXPECT_TRUE(dialog.ChineseButton()->isChecked());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("语言"));
}

// Every context number the program uses, and the controls of the dialogs.
const int kTopics[] = {ui::cmd::kRead,
                       ui::cmd::kWrite,
                       ui::cmd::kComSetup,
                       ui::cmd::kControlBar,
                       ui::cmd::kScanInfo,
                       ui::cmd::kSideKey,
                       ui::cmd::kProductInfo,
                       ui::cmd::kChannelInfo,
                       ui::cmd::kOptionalFeatures,
                       ui::cmd::kLanguage,
                       ui::cmd::kTransferTrace,
                       ui::cmd::kBackupBeforeWrite,
                       ui::cmd::kFileOpenBackup,
                       ui::cmd::kFileRecent1,
                       ui::cmd::kFileRecentLast,
                       ui::cmd::kFileNew,
                       ui::cmd::kFileOpen,
                       ui::cmd::kFileClose,
                       ui::cmd::kFileSave,
                       ui::cmd::kFileSaveAs,
                       ui::cmd::kFileImport,
                       ui::cmd::kFileExport,
                       ui::cmd::kFilePageSetup,
                       ui::cmd::kFilePrintSetup,
                       ui::cmd::kFilePrint,
                       ui::cmd::kFilePrintDirect,
                       ui::cmd::kFilePrintPreview,
                       ui::cmd::kAppAbout,
                       ui::cmd::kAppExit,
                       ui::cmd::kHelp,
                       ui::cmd::kNextPane,
                       ui::cmd::kPrevPane,
                       ui::cmd::kViewToolbar,
                       ui::cmd::kViewStatusBar,
                       ui::ctl::kOk,
                       ui::ctl::kCancel,
                       ui::ctl::kGrid,
                       ui::ctl::kRxEdit,
                       ui::ctl::kTxEdit,
                       ui::ctl::kDecodeToneList,
                       ui::ctl::kEncodeToneList,
                       ui::ctl::kPowerList,
                       ui::ctl::kScanAddList,
                       ui::ctl::kBusyLockList,
                       ui::ctl::kBandwidthList,
                       ui::ctl::kTypeList,
                       ui::ctl::kFrequencyList,
                       ui::ctl::kTimeOutTimer,
                       ui::ctl::kTotPreAlert,
                       ui::ctl::kSquelchLevel,
                       ui::ctl::kVoiceAnnunciation,
                       ui::ctl::kVoxGainLevel,
                       ui::ctl::kVoxDelayTime,
                       ui::ctl::kBeep,
                       ui::ctl::kBatterySaver,
                       ui::ctl::kNavigationTree};

QString ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(Help, EveryTopicHasAnAnchorInBothLanguages) {
    const config::HelpTopicMap map = config::ParseHelpTopicMap(
        ReadFile(QStringLiteral(QM530_SOURCE_DIR "/help/topics.map")).toStdString());
    for (int topic : kTopics) {
        const std::string target = config::HelpTarget(map, topic);
        ASSERT_NE(target, config::kHelpIndexPage) << "no topic " << topic;
        const auto hash = target.find('#');
        ASSERT_NE(hash, std::string::npos) << target;
        for (const char* dir : {"enHelp", "chHelp"}) {
            const QString page = ReadFile(QStringLiteral(QM530_BIN_DIR "/%1/%2")
                                              .arg(QLatin1String(dir))
                                              .arg(QString::fromStdString(target.substr(0, hash))));
            EXPECT_TRUE(page.contains(
                QStringLiteral("id=\"%1\"").arg(QString::fromStdString(target.substr(hash + 1)))))
                << dir << " " << target;
        }
    }
    for (const char* dir : {"enHelp", "chHelp"}) {
        EXPECT_TRUE(
            QFile::exists(QStringLiteral(QM530_BIN_DIR "/%1/index.html").arg(QLatin1String(dir))));
    }
}

TEST(Help, TopicMapParsing) {
    const config::HelpTopicMap map = config::ParseHelpTopicMap(
        "# comment\n32773 program.html#t32773\n\nbad line\n1000 grid.html#t1000\n");
    EXPECT_EQ(map.size(), 2u);
    EXPECT_EQ(config::HelpTarget(map, 1000), "grid.html#t1000");
    EXPECT_EQ(config::HelpTarget(map, 4242), "index.html");
}

TEST(Help, ShowHelpTopicOpensThePageOfTheLanguage) {
    Harness h(ProgramIni("Chinese"));
    ASSERT_TRUE(h.Start());
    h.ctx.help.ShowHelpTopic(ui::cmd::kComSetup);
    ASSERT_NE(h.ctx.help.Window(), nullptr);
    EXPECT_TRUE(h.ctx.help.Window()->isVisible());
    EXPECT_TRUE(h.ctx.help.Window()->source().path().contains(QStringLiteral("/chHelp/")));
    EXPECT_EQ(h.ctx.help.LastTarget(), QStringLiteral("setup.html#t32777"));
    h.ctx.help.ShowHelpTopic(4242);
    EXPECT_EQ(h.ctx.help.LastTarget(), QStringLiteral("index.html"));
    // F1 on a menu goes through the main frame with the command id.
    h.Frame()->WinHelp(ui::cmd::kRead);
    EXPECT_EQ(h.ctx.help.LastTarget(), QStringLiteral("program.html#t32773"));
}

TEST(Help, ChinesePagesNameComSetupAsTheMenuDoes) {
    Harness h(ProgramIni("Chinese"));
    ASSERT_TRUE(h.Start());
    QString menuText = h.Frame()->Action(ui::cmd::kComSetup)->text();
    menuText.remove(QRegularExpression(QStringLiteral("\\(&.\\)|&")));
    ASSERT_EQ(menuText, QStringLiteral("串口设置"));
    const QString setup = ReadFile(QStringLiteral(QM530_BIN_DIR "/chHelp/setup.html"));
    EXPECT_TRUE(setup.contains(QStringLiteral("<h2 id=\"t32777\">") + menuText))
        << setup.toStdString();
    for (const char* page : {"index.html", "setup.html", "program.html"}) {
        const QString text =
            ReadFile(QStringLiteral(QM530_BIN_DIR "/chHelp/%1").arg(QLatin1String(page)));
        EXPECT_FALSE(text.contains(QStringLiteral("端口设置"))) << page;
    }
}

TEST(Help, ChineseTransferTraceIsNamedAsItsPageNamesIt) {
    Harness h(ProgramIni("Chinese"));
    ASSERT_TRUE(h.Start());
    EXPECT_EQ(h.Frame()->Action(ui::cmd::kTransferTrace)->text(), QStringLiteral("传输记录(&T)"));
    const QString setup = ReadFile(QStringLiteral(QM530_BIN_DIR "/chHelp/setup.html"));
    EXPECT_TRUE(setup.contains(QStringLiteral("<h2 id=\"t32820\">传输记录</h2>")));
}

TEST(Help, MissingHelpIsDecidedOnceAndNeverRetried) {
    Harness h(ProgramIni("English"), true, /*withHelp=*/false);
    ASSERT_TRUE(h.Start());
    h.ctx.help.ShowHelpTopic(ui::cmd::kRead);
    EXPECT_TRUE(h.ctx.help.BindingFailed());
    h.dir.CopyFromBin(QStringLiteral("enHelp"),
                      QStringLiteral("enHelp"));  // appears later: not looked at
    h.ctx.help.ShowHelpTopic(ui::cmd::kRead);
    EXPECT_EQ(h.ctx.help.BindAttempts(), 1);
    EXPECT_EQ(h.ctx.help.Window(), nullptr);
}

TEST(StringTablePacks, EnglishSourcesAndChineseTranslationsMatchTheModel) {
    App();
    for (const ui::StringTableEntry& entry : ui::StringTableEntries()) {
        EXPECT_STREQ(entry.source, MessageText(entry.id, UiLanguage::English)) << entry.id;
    }
    for (int id : {61448, 61451, 61452, 61453, 61454, 61456, 61458, 57344}) {
        EXPECT_NE(MessageText(id, UiLanguage::English), nullptr);
        EXPECT_FALSE(ui::StringTable(id).isEmpty()) << id;
    }
    app::LanguagePack pack;
    ASSERT_TRUE(pack.Load(QStringLiteral(QM530_BIN_DIR "/Chinese.rcc")));
    for (const ui::StringTableEntry& entry : ui::StringTableEntries()) {
        EXPECT_EQ(ui::StringTable(entry.id),
                  QString::fromUtf8(MessageText(entry.id, UiLanguage::Chinese)))
            << entry.id;
    }
    EXPECT_FALSE(app::PackIcon(128).isNull());
    EXPECT_FALSE(app::PackIcon(131).isNull());
    EXPECT_FALSE(app::PackBitmap(137).isNull());
    pack.Unload();
    EXPECT_EQ(ui::StringTable(msg::kClearAll), QStringLiteral("All data will be Cleared!"));
    EXPECT_TRUE(app::PackBitmap(137).isNull());
}

TEST(Registry, SettingsFileNamedAfterAppNameKeepsPresetsForMissingValues) {
    App();
    config::CIniFile ini;
    const QString dir = QDir(ConfigHome()).filePath(QStringLiteral("prog"));
    QDir().mkpath(dir);
    QFile file(dir + QStringLiteral("/Program.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Setup]\nAppName=RegistryTest\n");
    file.close();
    ASSERT_TRUE(ini.Load((dir + QStringLiteral("/Program.ini")).toStdString(), false, true, false));
    ui::SettingsRegistry registry(ini);
    EXPECT_EQ(registry.FileName(),
              (ConfigHome() + QStringLiteral("/qm530/RegistryTest.ini")).toStdString());
    EXPECT_EQ(registry.ReadDword("com", 1), 1u);
    registry.WriteDword("com", 3);
    registry.WriteDword("Type", 0);
    EXPECT_EQ(registry.ReadDword("com", 1), 3u);
    EXPECT_EQ(registry.ReadDword("Type", 7), 0u);
    {
        QSettings raw(QString::fromStdString(registry.FileName()), QSettings::IniFormat);
        raw.setValue(QStringLiteral("Field"), QStringLiteral("garbage"));
    }
    EXPECT_EQ(registry.ReadDword("Field", 2), 2u);
    // Another AppName is another key.
    ini.SetValue("Setup", "AppName", "Other");
    EXPECT_EQ(registry.ReadDword("com", 9), 9u);
    ini.Clear();
}

}  // namespace
}  // namespace qm530::test
