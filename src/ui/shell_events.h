#pragma once

#include <QObject>
#include <QString>

namespace qm530::ui {

// What the windows below the main frame tell it: they emit, the main frame
// connects. Nothing here knows the frame.
class ShellEvents : public QObject {
    Q_OBJECT
  signals:
    // The main window's caption (WindowTitle) changed.
    void CaptionChanged(const QString& title);
    // Which commands are available may have changed (a transfer began or ended).
    void CommandStateChanged();
    // COM Setup chose a port for the active document's view.
    void PortChosen(const QString& portName);
    // A document became modified or unmodified (edit, undo, save).
    void ModifiedChanged();
    // One line for the status bar: what happened that needs no message box
    // (where a read's backup went, why none was kept).
    void StatusMessage(const QString& text);
};

}  // namespace qm530::ui
