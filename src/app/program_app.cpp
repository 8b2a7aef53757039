#include "app/program_app.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QMenu>

#include "app/main_frame.h"
#include "config/data_dirs.h"
#include "config/ini_file.h"
#include "model/messages.h"
#include "model/numbers.h"
#include "settings/password_dlg.h"
#include "ui/app_context.h"
#include "ui/command_ids.h"
#include "ui/string_table.h"
#include "ui/ui_services.h"

namespace qm530::app {

namespace {

constexpr int kExitFailure = 1;

// title.ico at its own size; a null icon when it cannot be read.
QIcon TitleIcon(const std::string& path) {
    const QImage image = QImageReader(QString::fromStdString(path)).read();
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

}  // namespace

ProgramApp::ProgramApp(ui::AppContext& ctx) : ctx_(ctx) {}

ProgramApp::~ProgramApp() {
    mainFrame_.reset();
    pack_.Unload();
}

bool ProgramApp::InitInstance(const QStringList& arguments) {
    ReadSettings();
    if (!LoadLanguagePack() || !AskAccessCode() || !CreateMainWindow(arguments)) return false;
    FinishMainWindow();
    return true;
}

// Program.ini: the user's copy, else the program's directory's, else the
// installation's; a missing file is created in the program's directory.
// Then the language, fixed for the run, and the help pages with it.
void ProgramApp::ReadSettings() {
    config::OpenProgramIni(ctx_.theIni, {ctx_.ExeDir, ctx_.DataDir, ctx_.ConfigDir}, true, true,
                           false);
    ctx_.LanguageName = ctx_.theIni.GetValue("Setup", "Language", "");
    ctx_.UiLanguage = ctx_.LanguageName == "Chinese" ? UiLanguage::Chinese : UiLanguage::English;
    ctx_.help.SelectHelpFile(ctx_.Chinese());
    ctx_.help.SetHelpRoot(ctx_.ProgramFolder(ctx_.help.HelpFileName()));
}

// The language pack; without it the program cannot show anything. The
// pack of the program folder, else the data folder's; the setting may spell
// the pack's name in any letter case.
bool ProgramApp::LoadLanguagePack() {
    QString packPath = LanguagePackPath(QString::fromStdString(ctx_.ExeDir),
                                        QString::fromStdString(ctx_.LanguageName));
    if (!QFileInfo::exists(packPath) && !ctx_.DataDir.empty())
        packPath = LanguagePackPath(QString::fromStdString(ctx_.DataDir),
                                    QString::fromStdString(ctx_.LanguageName));
    if (!pack_.Load(packPath)) {
        ctx_.services.MessageBox(nullptr,
                                 QString::fromStdString(Say(ctx_.UiLanguage, kLanguagePackMissing)),
                                 QString::fromUtf8(MessageText(msg::kAppTitle, ctx_.UiLanguage)),
                                 ui::MsgButtons::Ok, ui::MsgIcon::None);
        exitCode_ = kExitFailure;
        return false;
    }
    // Until the main window names it, the program is called by the pack's title.
    ctx_.ApplicationName = ui::StringTable(msg::kAppTitle).toStdString();
    return true;
}

// The access code; Cancel ends the program quietly.
bool ProgramApp::AskAccessCode() {
    settings::CPasswordDlg password(ctx_);
    const int result = ctx_.services.ExecDialog(password);
    if (result == QDialog::Accepted && password.Accepted) return true;
    exitCode_ = 0;
    return false;
}

// The main frame, then the command line: a file to open, else a new
// document; shown maximized, with title.ico as its icon.
bool ProgramApp::CreateMainWindow(const QStringList& arguments) {
    mainFrame_ = std::make_unique<CMainFrame>(ctx_);
    ctx_.help.SetOwner(mainFrame_.get());
    if (!mainFrame_->Create()) {
        mainFrame_.reset();
        exitCode_ = kExitFailure;
        return false;
    }
    const bool opened = arguments.isEmpty() ? mainFrame_->NewDocument()
                                            : mainFrame_->OpenDocumentFile(arguments.constFirst());
    if (!opened) {
        mainFrame_.reset();
        exitCode_ = kExitFailure;
        return false;
    }
    mainFrame_->showMaximized();
    mainFrame_->setWindowIcon(TitleIcon(ctx_.ProgramFile("title.ico")));
    return true;
}

// The application name for message boxes without a caption of their own,
// the About item's text, and the Language command only where ShowLang asks
// for it (a value that is no number counts as 0).
void ProgramApp::FinishMainWindow() {
    ctx_.ApplicationName = ctx_.LanguageValue("Company");
    // The About item of the document menu takes About Title, with the letter
    // A for the keyboard.
    if (QAction* about = mainFrame_->Action(ui::cmd::kAppAbout)) {
        const QString title = QString::fromStdString(ctx_.LanguageValue("About Title"));
        about->setText(title.isEmpty()
                           ? title
                           : QCoreApplication::translate("qm530::app::CMainFrame", "&%1",
                                                         "the About item with its letter")
                                 .arg(title));
    }
    if (CAtoi(ctx_.theIni.GetValue("Setup", "ShowLang", "")) == 0) {
        if (QAction* language = mainFrame_->Action(ui::cmd::kLanguage)) {
            for (QMenu* menu : mainFrame_->findChildren<QMenu*>()) menu->removeAction(language);
            language->setEnabled(false);
            language->setVisible(false);
        }
    }
    mainFrame_->UpdateCommandUI();
}

bool RunStartUp(ProgramApp& app, const QStringList& arguments) {
    return app.InitInstance(arguments);
}

}  // namespace qm530::app
