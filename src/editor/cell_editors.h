#pragma once

#include <QLineEdit>
#include <QString>
#include <array>
#include <string>
#include <vector>

#include "model/channel_words.h"
#include "model/language.h"

class QComboBox;
class QFont;

namespace qm530::editor {

// The frequency edit box of a cell: no frame, and only as much text as fits
// in the box can be typed (a keystroke or paste that would run past its
// right edge is undone).
class CCellEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit CCellEdit(QWidget* parent = nullptr);

    // True when `text` fits in the box as it is sized now.
    bool Fits(const QString& text) const;

  private:
    void OnTextChanged(const QString& text);
    void OnTextEdited(const QString& text);

    QString current_;
    QString previous_;
};

// The eight cell editors of the channel grid, one per channel column, all
// children of `parent` (the grid's viewport) and hidden until a cell opens
// one: the Rx and Tx edit boxes (2127, 2128), the decode and encode tone
// lists (2132, 2133) and the power, scan-add, busy-lock and bandwidth lists
// (1129, 1134, 1139, 1128).
class CellEditors {
  public:
    // Creates the editors in the order Rx, Tx, decode tone, encode tone,
    // power, scan add, busy lock, bandwidth, each hidden and empty.
    CellEditors(QWidget* parent, const QFont& font);

    // The two tone lists get the tone table, one entry into both per step;
    // the other lists their words in the language.
    void FillLists(const std::vector<std::string>& toneTable, UiLanguage lang);

    // The editor of a grid column; a column outside 1-7 gets the bandwidth list.
    QWidget* EditorForColumn(int column) const;
    QLineEdit* EditBoxForColumn(int column) const;  // nullptr for a list column
    QComboBox* ListForColumn(int column) const;     // nullptr for an edit column
    // All eight in the order of creation.
    const std::array<QWidget*, 8>& All() const { return editors_; }

    // Loads a cell's text into the editor of the column: an edit box takes
    // it as it is, a list selects its first item beginning with it (letter
    // case ignored), item 0 when none does.
    void Load(int column, const QString& text);
    // The text the editor of the column holds: the edit text, or the text
    // of the selected item.
    QString EditorText(int column) const;

    bool IsVisible(int column) const;
    void HideAll();

  private:
    std::array<QWidget*, 8> editors_{};
};

}  // namespace qm530::editor
