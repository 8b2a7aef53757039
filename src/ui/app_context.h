#pragma once

#include <functional>
#include <memory>
#include <string>

#include "config/registry.h"
#include "model/language.h"
#include "ui/help_system.h"
#include "ui/shell_events.h"
#include "ui/transfer_gate.h"

class QPrinter;
class QWidget;

namespace qm530::config {
class CIniFile;
}  // namespace qm530::config

namespace qm530::ui {

class UiServices;

// What the whole desktop program shares for a run. One object, made by
// main (or a test) and passed explicitly to every window.
struct AppContext {
    AppContext(config::CIniFile& ini, UiServices& uiServices,
               std::unique_ptr<config::Registry> reg);
    ~AppContext();

    config::CIniFile& theIni;                    // Program.ini
    UiServices& services;                        // message boxes, file dialogs, modal dialogs
    std::unique_ptr<config::Registry> registry;  // "com", "Type", "Field"

    std::string LanguageName;  // Language of section Setup, as read
    qm530::UiLanguage UiLanguage = qm530::UiLanguage::English;  // Chinese only for "Chinese"
    std::string ExeDir;           // the program's directory, ending with '/'
    std::string DataDir;          // the installation's data folder, ending with '/'; empty: none
    std::string ConfigDir;        // the user's folder for Program.ini, ending with '/'; empty: none
    std::string UserDataDir;      // the user's data folder, ending with '/'; empty: none
    std::string ApplicationName;  // Company of the language section
    std::string WindowTitle;      // the main window's caption
    HelpSystem help;              // ShowHelpTopic
    ShellEvents events;           // what the windows tell the main frame
    TransferGate transfers;       // one transfer at a time
    // The view of the active document window, once the main frame exists.
    std::function<QWidget*()> activeView;

    bool Chinese() const { return UiLanguage == qm530::UiLanguage::Chinese; }
    // Value of a key of the language section.
    std::string LanguageValue(const std::string& key) const;
    // The one printer that printing, print preview and Print Setup share.
    QPrinter& Printer();
    // A file or folder of the program (title.ico, enHelp): the one in ExeDir,
    // else the one in DataDir; ProgramFolder is the folder that holds it.
    std::string ProgramFile(const std::string& name) const;
    std::string ProgramFolder(const std::string& name) const;
    // Setup > Transfer Trace, kept in the registry: whether each Read and
    // Write writes a trace into TraceFolder(). Never on without a data folder.
    bool TransferTrace() const;
    void SetTransferTrace(bool on);
    // UserDataDir + "traces/".
    std::string TraceFolder() const;
    // Setup > Back Up Before Writing, kept in the registry, on until the
    // user turns it off: whether a Write first reads the radio and keeps
    // its memory as a backup. Never on without a data folder.
    bool BackupBeforeWrite() const;
    void SetBackupBeforeWrite(bool on);

  private:
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace qm530::ui
