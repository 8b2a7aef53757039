#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "app/language_pack.h"
#include "app/main_frame.h"
#include "app/program_app.h"
#include "config/ini_file.h"
#include "config/registry.h"
#include "ui/app_context.h"
#include "ui/scripted_ui_services.h"

namespace qm530::test {

// One QApplication for the test program, offscreen, with the registry in a
// temporary configuration directory.
QApplication& App();
// The temporary XDG_CONFIG_HOME of this test program.
QString ConfigHome();

// Program.ini of the shipped configuration with Language replaced (or
// removed when `language` is null) and extra lines appended to Setup.
std::string ProgramIni(const char* language, const std::string& extraSetup = "",
                       bool showLang = true);

// A program directory: the language packs, pictures and help of the build
// beside a Program.ini of the test's own.
class ProgramDir {
  public:
    explicit ProgramDir(const std::string& programIni, bool withPacks = true, bool withHelp = true);
    std::string Path() const { return dir_.path().toStdString() + "/"; }
    QString File(const QString& name) const { return dir_.filePath(name); }
    // Puts bin/FROMBIN (a file or a folder) into the folder as AS.
    void CopyFromBin(const QString& fromBin, const QString& as) const;
    QByteArray ReadProgramIni() const;

  private:
    QTemporaryDir dir_;
};

// The program started as main starts it, with scripted answers.
class Harness {
  public:
    explicit Harness(const std::string& programIni, bool withPacks = true, bool withHelp = true);
    ~Harness();

    // Queues the right access code for the Password dialog.
    void AnswerPassword(const QString& code = QStringLiteral("480215"));
    // Start-up with the access code answered; false when start-up ended the program.
    bool Start(const QStringList& arguments = {}, bool answerPassword = true);

    app::CMainFrame* Frame() const { return app ? app->MainFrame() : nullptr; }
    // Start() with the main window then shown and active, as a person has
    // it; null when start-up ended the program.
    app::CMainFrame* StartShown();

    ProgramDir dir;
    config::CIniFile ini;
    ui::ScriptedUiServices services;
    ui::AppContext ctx;
    config::MemoryRegistry* registry;
    std::unique_ptr<app::ProgramApp> app;
};

// The build's language pack of `lang`, loaded while it lives: widgets made
// meanwhile show the texts the program shows in that language. With `load`
// false nothing is loaded: the widgets show their source texts.
class PackOf {
  public:
    explicit PackOf(UiLanguage lang, bool load = true);

  private:
    app::LanguagePack pack_;
};

// Clicks a button of a dialog found by object name.
// Where a key typed now goes: the focus widget, else `window`.
QWidget* FocusIn(QWidget* window);

void Click(QWidget* parent, const char* buttonName);

// A .dat file of `size` bytes, byte i = i % 251.
QString WriteDat(const QString& path, int size);

}  // namespace qm530::test
