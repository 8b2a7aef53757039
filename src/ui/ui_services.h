#pragma once

#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

namespace qm530::ui {

// Buttons and icon of a message box, and the button pressed.
// SaveDiscardCancel answers Yes (save), No (discard) or Cancel.
enum class MsgButtons { Ok, OkCancel, RetryCancel, YesNo, YesNoCancel, SaveDiscardCancel };
enum class MsgIcon { None, Information, Exclamation, Stop, Question };
enum class MsgResult { Ok = 1, Cancel = 2, Retry = 4, Yes = 6, No = 7 };
// What a file dialog looks for: a memory image (*.dat) or a CSV channel
// list (*.csv).
enum class FileKind { Image, ChannelList };

// What the program asks of the user outside its own windows: message boxes,
// file dialogs, modal dialogs and starting a program. Everything goes
// through this interface so that tests can answer instead of a person.
class UiServices {
  public:
    virtual ~UiServices() = default;

    // A modal message box. The caption is used as given (the caller picks
    // the application name when the box has no caption of its own).
    virtual MsgResult MessageBox(QWidget* parent, const QString& text, const QString& caption,
                                 MsgButtons buttons, MsgIcon icon) = 0;
    // File dialogs for files of `kind` (filter "*.dat" and default extension
    // ".dat" for images, "*.csv" and ".csv" for channel lists). Empty
    // result: cancelled. `proposed` is the file name to start with.
    virtual QString GetOpenFileName(QWidget* parent, const QString& caption, FileKind kind) = 0;
    virtual QString GetSaveFileName(QWidget* parent, const QString& caption,
                                    const QString& proposed, FileKind kind) = 0;
    // Runs a dialog modally; returns its result code (QDialog::Accepted ...).
    virtual int ExecDialog(QDialog& dialog) = 0;
    // Starts a program detached from this one, without a shell.
    virtual bool StartDetached(const QString& program, const QStringList& arguments) = 0;
};

// The real thing: QMessageBox, QFileDialog, QDialog::exec, QProcess.
class QtUiServices : public UiServices {
  public:
    MsgResult MessageBox(QWidget* parent, const QString& text, const QString& caption,
                         MsgButtons buttons, MsgIcon icon) override;
    QString GetOpenFileName(QWidget* parent, const QString& caption, FileKind kind) override;
    QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                            FileKind kind) override;
    int ExecDialog(QDialog& dialog) override;
    bool StartDetached(const QString& program, const QStringList& arguments) override;
};

// A dialog with a parent blocks only its own window and that window's
// parents (the main window), not the help window, which is a window of its
// own: help opened from the dialog can be read while the dialog is open.
// A dialog without a parent blocks the whole program.
void SetDialogModality(QDialog& dialog);

// Appends the default extension of `kind` (".dat", ".csv") to a chosen file
// name that has no extension.
QString WithDefaultExtension(const QString& fileName, FileKind kind);

}  // namespace qm530::ui
