// Pictures of the desktop program for `make screenshots`: the main window
// in English and Chinese, the About box and the Password dialog.
// Usage: app_shots <program directory> <output directory>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>

#include "app/about_dlg.h"
#include "app/child_frame.h"
#include "app/main_frame.h"
#include "app/navigation_bar.h"
#include "app/program_app.h"
#include "config/ini_file.h"
#include "config/registry.h"
#include "settings/password_dlg.h"
#include "ui/app_context.h"
#include "ui/scripted_ui_services.h"

namespace {

bool Save(QWidget& widget, const QString& path) {
    QApplication::processEvents();
    const bool ok = widget.grab().save(path, "PNG");
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

// A program directory beside `bin` whose Program.ini runs in `language`.
bool MakeProgramDir(const QString& bin, const QString& dir, const char* language) {
    for (const char* name :
         {"English.rcc", "Chinese.rcc", "title.ico", "background.bmp", "enHelp", "chHelp"}) {
        QFile::link(bin + QLatin1Char('/') + QLatin1String(name),
                    dir + QLatin1Char('/') + QLatin1String(name));
    }
    QFile in(bin + QStringLiteral("/Program.ini"));
    if (!in.open(QIODevice::ReadOnly)) return false;
    QString text = QString::fromUtf8(in.readAll());
    text.replace(QStringLiteral("Language=English"),
                 QStringLiteral("Language=") + QLatin1String(language));
    QFile out(dir + QStringLiteral("/Program.ini"));
    return out.open(QIODevice::WriteOnly) && out.write(text.toUtf8()) > 0;
}

bool Shots(const QString& bin, const QString& out, const char* language, const char* tag) {
    QTemporaryDir dir;
    if (!MakeProgramDir(bin, dir.path(), language)) return false;
    qm530::config::CIniFile ini;
    qm530::ui::ScriptedUiServices services;
    qm530::ui::AppContext ctx(ini, services, std::make_unique<qm530::config::MemoryRegistry>());
    ctx.ExeDir = dir.path().toStdString() + "/";
    bool ok = true;
    // The Password dialog as it asks for the code, typed half-way.
    services.dialogHandlers.push_back([&](QDialog& dialog) {
        auto& password = static_cast<qm530::settings::CPasswordDlg&>(dialog);
        password.CodeEdit()->setText(QStringLiteral("4802"));
        password.adjustSize();
        ok &= Save(dialog, QStringLiteral("%1/password-%2.png").arg(out, QLatin1String(tag)));
        password.CodeEdit()->setText(QStringLiteral("480215"));
        password.accept();
    });
    qm530::app::ProgramApp app(ctx);
    if (!qm530::app::RunStartUp(app, {})) return false;
    qm530::app::CMainFrame* frame = app.MainFrame();
    frame->showNormal();
    frame->setGeometry(0, 0, 1100, 700);
    frame->SetWindowTitleText(ctx.ApplicationName);
    // A second document, as after File > New with another window open.
    if (auto* window = frame->ActiveDocumentWindow()) window->move(24, 20);
    frame->NavigationBar()->Tree()->setFocus();
    ok &= Save(*frame, QStringLiteral("%1/main-window-%2.png").arg(out, QLatin1String(tag)));

    qm530::app::CAboutDlg about(ctx, frame);
    about.show();
    ok &= Save(about, QStringLiteral("%1/about-%2.png").arg(out, QLatin1String(tag)));
    about.close();
    ini.Clear();
    return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <program directory> <output directory>\n", argv[0]);
        return 2;
    }
    const QString bin = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);
    bool ok = Shots(bin, out, "English", "en");
    ok = Shots(bin, out, "Chinese", "zh") && ok;
    return ok ? 0 : 1;
}
