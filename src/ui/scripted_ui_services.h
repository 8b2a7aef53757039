#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "ui/ui_services.h"

namespace qm530::ui {

// UiServices for tests: answers come from queues filled in advance, and
// every request is recorded.
class ScriptedUiServices : public UiServices {
  public:
    struct Box {
        QString text;
        QString caption;
        MsgButtons buttons;
        MsgIcon icon;
        QWidget* parent;
    };
    struct Started {
        QString program;
        QStringList arguments;
    };
    // Handles a dialog that ExecDialog has shown (not modal): it may fill
    // fields and press buttons. A dialog still visible afterwards is rejected.
    using DialogHandler = std::function<void(QDialog&)>;

    // Answers, used in order. Without an answer a message box returns its
    // first button, a file dialog an empty name (cancelled), and a dialog is
    // rejected.
    std::deque<MsgResult> boxAnswers;
    // Runs while a message box is "open", as a real one takes the focus.
    std::function<void()> whileBoxOpen;
    std::deque<QString> openAnswers;
    std::deque<QString> saveAnswers;
    std::deque<DialogHandler> dialogHandlers;
    // Runs dialogs modally as the program does (QtUiServices::ExecDialog);
    // the handler then runs inside the dialog's own event loop.
    bool modalDialogs = false;
    bool startSucceeds = true;
    std::function<void()> onStart;  // runs when a program is started

    // What was asked.
    std::vector<Box> boxes;
    std::vector<QString> saveProposals;
    int openRequests = 0;
    std::vector<QString> dialogTitles;
    std::vector<Started> started;

    MsgResult MessageBox(QWidget* parent, const QString& text, const QString& caption,
                         MsgButtons buttons, MsgIcon icon) override;
    QString GetOpenFileName(QWidget* parent, const QString& caption, FileKind kind) override;
    QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                            FileKind kind) override;
    int ExecDialog(QDialog& dialog) override;
    bool StartDetached(const QString& program, const QStringList& arguments) override;
};

}  // namespace qm530::ui
