#include "ui/scripted_ui_services.h"

#include <QCoreApplication>
#include <QDialog>
#include <QTimer>

namespace qm530::ui {

MsgResult ScriptedUiServices::MessageBox(QWidget* parent, const QString& text,
                                         const QString& caption, MsgButtons buttons, MsgIcon icon) {
    boxes.push_back({text, caption, buttons, icon, parent});
    if (whileBoxOpen) whileBoxOpen();
    if (!boxAnswers.empty()) {
        const MsgResult answer = boxAnswers.front();
        boxAnswers.pop_front();
        return answer;
    }
    switch (buttons) {
        case MsgButtons::Ok:
        case MsgButtons::OkCancel:
            return MsgResult::Ok;
        case MsgButtons::RetryCancel:
            return MsgResult::Retry;
        case MsgButtons::YesNo:
        case MsgButtons::YesNoCancel:
        case MsgButtons::SaveDiscardCancel:
            return MsgResult::Yes;
    }
    return MsgResult::Ok;
}

QString ScriptedUiServices::GetOpenFileName(QWidget*, const QString&, FileKind) {
    ++openRequests;
    if (openAnswers.empty()) return {};
    QString answer = openAnswers.front();
    openAnswers.pop_front();
    return answer;
}

QString ScriptedUiServices::GetSaveFileName(QWidget*, const QString&, const QString& proposed,
                                            FileKind kind) {
    saveProposals.push_back(proposed);
    if (saveAnswers.empty()) return {};
    QString answer = saveAnswers.front();
    saveAnswers.pop_front();
    return WithDefaultExtension(answer, kind);
}

int ScriptedUiServices::ExecDialog(QDialog& dialog) {
    if (modalDialogs) {
        dialogTitles.push_back(dialog.windowTitle());
        DialogHandler handler;
        if (!dialogHandlers.empty()) {
            handler = std::move(dialogHandlers.front());
            dialogHandlers.pop_front();
        }
        QTimer::singleShot(0, &dialog, [&dialog, handler] {
            if (handler) handler(dialog);
            if (dialog.isVisible()) dialog.reject();
        });
        return QtUiServices().ExecDialog(dialog);
    }
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    QCoreApplication::processEvents();
    dialogTitles.push_back(dialog.windowTitle());
    if (!dialogHandlers.empty()) {
        DialogHandler handler = std::move(dialogHandlers.front());
        dialogHandlers.pop_front();
        handler(dialog);
    }
    if (dialog.isVisible()) dialog.reject();
    return dialog.result();
}

bool ScriptedUiServices::StartDetached(const QString& program, const QStringList& arguments) {
    started.push_back({program, arguments});
    if (onStart) onStart();
    return startSucceeds;
}

}  // namespace qm530::ui
