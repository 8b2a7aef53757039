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
    // A text for the status bar that a screen reader should hear (ui::Announce).
    void Announced(const QString& text);
};

}  // namespace qm530::ui
