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
    // 1. Program.ini: the user's copy, else the program's directory's, else
    // the installation's; a missing file is created in the program's directory.
    config::OpenProgramIni(ctx_.theIni, {ctx_.ExeDir, ctx_.DataDir, ctx_.ConfigDir}, true, true,
                           false);

    // 2-3. The language, fixed for the run, and the help pages with it.
    ctx_.LanguageName = ctx_.theIni.GetValue("Setup", "Language", "");
    ctx_.UiLanguage = ctx_.LanguageName == "Chinese" ? UiLanguage::Chinese : UiLanguage::English;
    ctx_.help.SelectHelpFile(ctx_.Chinese());
    ctx_.help.SetHelpRoot(ctx_.ProgramFolder(ctx_.help.HelpFileName()));

    // 4-5. The language pack; without it the program cannot show anything.
    // The pack of the program folder, else the data folder's; the setting
    // may spell the pack's name in any letter case.
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

    // Until step 16 names it, the program is called by the pack's title.
    ctx_.ApplicationName = ui::StringTable(msg::kAppTitle).toStdString();

    // 6. The access code.
    {
        settings::CPasswordDlg password(ctx_);
        const int result = ctx_.services.ExecDialog(password);
        if (result != QDialog::Accepted || !password.Accepted) {
            exitCode_ = 0;
            return false;
        }
    }

    // 12. The main frame.
    mainFrame_ = std::make_unique<CMainFrame>(ctx_);
    ctx_.help.SetOwner(mainFrame_.get());
    if (!mainFrame_->Create()) {
        mainFrame_.reset();
        exitCode_ = kExitFailure;
        return false;
    }

    // 13. The command line: a file to open, else a new document.
    const bool opened = arguments.isEmpty() ? mainFrame_->NewDocument()
                                            : mainFrame_->OpenDocumentFile(arguments.constFirst());
    if (!opened) {
        mainFrame_.reset();
        exitCode_ = kExitFailure;
        return false;
    }

    // 14-15. Shown maximized, with title.ico as its icon.
    mainFrame_->showMaximized();
    mainFrame_->setWindowIcon(TitleIcon(ctx_.ProgramFile("title.ico")));

    // 16. Message boxes without a caption of their own show this name.
    ctx_.ApplicationName = ctx_.LanguageValue("Company");

    // 17. The About item of the document menu takes About Title, with the
    // letter A for the keyboard.
    if (QAction* about = mainFrame_->Action(ui::cmd::kAppAbout)) {
        const QString title = QString::fromStdString(ctx_.LanguageValue("About Title"));
        about->setText(title.isEmpty()
                           ? title
                           : QCoreApplication::translate("qm530::app::CMainFrame", "&%1",
                                                         "the About item with its letter")
                                 .arg(title));
    }

    // 18. ShowLang 0 (or not a number) removes the Language command.
    if (CAtoi(ctx_.theIni.GetValue("Setup", "ShowLang", "")) == 0) {
        if (QAction* language = mainFrame_->Action(ui::cmd::kLanguage)) {
            for (QMenu* menu : mainFrame_->findChildren<QMenu*>()) menu->removeAction(language);
            language->setEnabled(false);
            language->setVisible(false);
        }
    }
    mainFrame_->UpdateCommandUI();
    return true;
}

bool RunStartUp(ProgramApp& app, const QStringList& arguments) {
    return app.InitInstance(arguments);
}

}  // namespace qm530::app
