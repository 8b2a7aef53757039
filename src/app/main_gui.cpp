// qm530-cps: the desktop programming tool.
#include <QApplication>
#include <QStringList>
#include <iostream>

#include "app/program_app.h"
#include "config/data_dirs.h"
#include "config/ini_file.h"
#include "ui/app_context.h"
#include "ui/settings_registry.h"
#include "ui/ui_services.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    qm530::config::CIniFile theIni;
    qm530::ui::QtUiServices services;
    qm530::ui::AppContext ctx(theIni, services,
                              std::make_unique<qm530::ui::SettingsRegistry>(theIni));
    const qm530::config::ProgramDirs dirs = qm530::config::CurrentProgramDirs();
    ctx.ExeDir = dirs.exeDir;
    ctx.DataDir = dirs.dataDir;
    ctx.ConfigDir = dirs.configDir;
    ctx.UserDataDir = qm530::config::CurrentUserDataDir();

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    qm530::app::ProgramApp app(ctx);
    if (!qm530::app::RunStartUp(app, arguments)) return app.ExitCode();
    const int code = QApplication::exec();
    // Program.ini is written back when a setting changed, after the event
    // loop has ended; the windows are gone, so a failure goes to stderr.
    if (theIni.AutoSave()) {
        if (const auto saved = theIni.Save(theIni.BackupOnSave()); !saved)
            std::cerr << "qm530-cps: " << saved.detail() << '\n';
    }
    return code;
}
