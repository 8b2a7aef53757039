#pragma once

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QDialog;
class QLayout;
class QLabel;
class QPushButton;
class QString;
class QWidget;

namespace qm530::settings {

// Builders shared by the settings dialogs. Every control carries its
// dialog control id twice: in its object name ("Combo1013", "Edit1004",
// "Check1016", "OkButton", "CancelButton") and in the property "controlId".
// Dialogs that answer F1 also set "helpId" to the same number.

QComboBox* MakeDropList(QWidget* parent, int id);
QCheckBox* MakeCheckBox(QWidget* parent, int id, const QString& text);
QPushButton* MakeOkButton(QWidget* parent, const QString& text);
QPushButton* MakeCancelButton(QWidget* parent, const QString& text);
QLabel* MakeLabel(QWidget* parent, const QString& text, QWidget* buddy);

// Lays out a dialog: `body` above a right-aligned row of OK (accepts, the
// default button) and Cancel (rejects). Returns the two buttons.
struct OkCancelButtons {
    QPushButton* ok;
    QPushButton* cancel;
};
OkCancelButtons LayOutWithOkCancel(QDialog* dialog, QLayout* body, const QString& okText,
                                   const QString& cancelText, int spacing = 16);
OkCancelButtons LayOutWithOkCancel(QDialog* dialog, QWidget* body, const QString& okText,
                                   const QString& cancelText, int spacing = 12);

// Gives every control of `dialog` that has a "controlId" a "helpId" of the
// same number, so that F1 finds the focused control's topic.
void EnableControlHelp(QWidget* dialog);

// Empties a list and appends the items in order; the list is left without
// a selection.
void FillDropList(QComboBox* list, const std::vector<std::string>& items);
// Selects a position; a position outside the list leaves no selection.
void SelectPosition(QComboBox* list, int position);

}  // namespace qm530::settings
