#pragma once

#include <QStringList>
#include <memory>

#include "app/language_pack.h"

namespace qm530::ui {
struct AppContext;
}  // namespace qm530::ui

namespace qm530::app {

class CMainFrame;

// The application object: runs the start-up of the program once and keeps
// what it made (language pack, main frame) for the rest of the run.
class ProgramApp {
  public:
    explicit ProgramApp(ui::AppContext& ctx);
    ~ProgramApp();
    ProgramApp(const ProgramApp&) = delete;
    ProgramApp& operator=(const ProgramApp&) = delete;

    // The start-up steps, in order. `arguments` are the command-line
    // arguments after the program name. False: the program ends with
    // ExitCode() and without a main window.
    bool InitInstance(const QStringList& arguments);

    CMainFrame* MainFrame() const { return mainFrame_.get(); }
    int ExitCode() const { return exitCode_; }

  private:
    // The steps of InitInstance; a false one has set exitCode_.
    void ReadSettings();
    bool LoadLanguagePack();
    bool AskAccessCode();
    bool CreateMainWindow(const QStringList& arguments);
    void FinishMainWindow();

    ui::AppContext& ctx_;
    LanguagePack pack_;
    std::unique_ptr<CMainFrame> mainFrame_;
    int exitCode_ = 0;
};

// Start-up as main runs it: InitInstance, then the caller enters the event
// loop when this returns true.
bool RunStartUp(ProgramApp& app, const QStringList& arguments);

}  // namespace qm530::app
