#pragma once

#include <memory>
#include <string>

#include "app/help_system.h"
#include "app/registry.h"
#include "model/language.h"

namespace qm530 {

class CIniFile;
class CMainFrame;
class UiServices;

// What the whole desktop program shares for a run. One object, made by
// main (or a test) and passed explicitly to every window.
struct AppContext {
    AppContext(CIniFile& ini, UiServices& uiServices, std::unique_ptr<CRegistry> reg)
        : theIni(ini), services(uiServices), registry(std::move(reg)) {}

    CIniFile& theIni;                     // Program.ini
    UiServices& services;                 // message boxes, file dialogs, modal dialogs
    std::unique_ptr<CRegistry> registry;  // "com", "Type", "Field"

    std::string LanguageName;  // Language of section Setup, as read
    qm530::UiLanguage UiLanguage = qm530::UiLanguage::English;  // Chinese only for "Chinese"
    std::string ExeDir;           // the program's directory, ending with '/'
    std::string DataDir;          // the installation's data folder, ending with '/'; empty: none
    std::string ConfigDir;        // the user's folder for Program.ini, ending with '/'; empty: none
    std::string ApplicationName;  // Company of the language section
    bool ImageIsDefault = false;  // the last image made was a new document's
    std::string WindowTitle;      // the main window's caption
    CHelpSystem help;             // ShowHelpTopic
    CMainFrame* mainFrame = nullptr;  // set once the main frame exists

    bool Chinese() const { return UiLanguage == qm530::UiLanguage::Chinese; }
    // A text picked by the interface language.
    const char* Pick(const char* english, const char* chinese) const {
        return Chinese() ? chinese : english;
    }
    // Value of a key of the language section.
    std::string LanguageValue(const std::string& key) const;
    // A file or folder of the program (title.ico, enHelp): the one in ExeDir,
    // else the one in DataDir; ProgramFolder is the folder that holds it.
    std::string ProgramFile(const std::string& name) const;
    std::string ProgramFolder(const std::string& name) const;
};

}  // namespace qm530
