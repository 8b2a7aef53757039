#pragma once

#include <QPointer>
#include <QString>
#include <QTextBrowser>
#include <QWidget>
#include <string>

#include "config/help_topics.h"

namespace qm530::ui {

// The one help operation of the program: ShowHelpTopic opens the help pages
// of the interface language (enHelp/ or chHelp/ beside the program) at a
// context number, in a top-level help window that goes with the main window
// (SetOwner) and that no dialog blocks. When the pages
// are missing, the first request finds out and every later one does nothing.
class HelpSystem {
  public:
    HelpSystem();
    ~HelpSystem();
    HelpSystem(const HelpSystem&) = delete;
    HelpSystem& operator=(const HelpSystem&) = delete;

    // Picks the help directory for the language; start-up calls it once.
    void SelectHelpFile(bool chinese);
    const std::string& HelpFileName() const { return helpFileName_; }
    // The directory that holds enHelp/ and chHelp/ (the program's directory).
    void SetHelpRoot(const std::string& dir) { root_ = dir; }
    void SetOwner(QWidget* owner) { owner_ = owner; }

    void ShowHelpTopic(int contextNumber);

    // For tests and the About box: the state of the binding and what was shown.
    bool BindingFailed() const { return bindingFailed_; }
    int BindAttempts() const { return bindAttempts_; }
    const QString& LastTarget() const { return lastTarget_; }  // "page#anchor"
    QTextBrowser* Window() const;

  private:
    bool Bind();

    std::string helpFileName_ = "enHelp";
    std::string root_;
    QPointer<QWidget> owner_;
    QPointer<QTextBrowser> window_;
    config::HelpTopicMap topics_;
    bool bound_ = false;
    bool bindingFailed_ = false;
    int bindAttempts_ = 0;
    QString lastTarget_;
};

}  // namespace qm530::ui
