// qm530-cps: the desktop programming tool.
#include <QApplication>
#include <QStringList>
#include <iostream>

#include "app/core/data_dirs.h"
#include "app/core/ini_file.h"
#include "app/program_app.h"
#include "ui/app_context.h"
#include "ui/settings_registry.h"
#include "ui/ui_services.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    qm530::CIniFile theIni;
    qm530::QtUiServices services;
    qm530::AppContext ctx(theIni, services, std::make_unique<qm530::CSettingsRegistry>(theIni));
    const qm530::ProgramDirs dirs = qm530::CurrentProgramDirs();
    ctx.ExeDir = dirs.exeDir;
    ctx.DataDir = dirs.dataDir;
    ctx.ConfigDir = dirs.configDir;
    ctx.UserDataDir = qm530::CurrentUserDataDir();

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    qm530::CProgramApp app(ctx);
    if (!qm530::RunStartUp(app, arguments)) return app.ExitCode();
    const int code = QApplication::exec();
    // Program.ini is written back when a setting changed, after the event
    // loop has ended; the windows are gone, so a failure goes to stderr.
    if (theIni.AutoSave()) {
        if (const auto saved = theIni.Save(theIni.BackupOnSave()); !saved)
            std::cerr << "qm530-cps: " << saved.detail() << '\n';
    }
    return code;
}
