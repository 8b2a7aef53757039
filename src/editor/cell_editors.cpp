#include "editor/cell_editors.h"

#include <QComboBox>
#include <QFont>
#include <QFontMetrics>
#include <QProxyStyle>
#include <algorithm>

#include "ui/command_ids.h"

namespace qm530::editor {

namespace {

// Control ids of the editors, columns 1 to 8.
constexpr std::array<int, 8> kEditorIds = {
    ui::ctl::kRxEdit,    ui::ctl::kTxEdit,      ui::ctl::kDecodeToneList, ui::ctl::kEncodeToneList,
    ui::ctl::kPowerList, ui::ctl::kScanAddList, ui::ctl::kBusyLockList,   ui::ctl::kBandwidthList};
// The opened list holds about this many pixels of items.
constexpr int kDroppedListHeight = 100;

int IndexOfColumn(int column) {
    return column >= 1 && column <= 7 ? column - 1 : 7;
}

// Lists drop down below their cell, whatever the platform's style prefers
// (some lay the opened list over the box, centred on the selected item).
class DropDownBelowStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == QStyle::SH_ComboBox_Popup) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

CCellEdit::CCellEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    connect(this, &QLineEdit::textChanged, this, &CCellEdit::OnTextChanged);
    connect(this, &QLineEdit::textEdited, this, &CCellEdit::OnTextEdited);
}

bool CCellEdit::Fits(const QString& text) const {
    const QRect box = contentsRect().marginsRemoved(textMargins());
    // QLineEdit keeps two pixels free on either side of the text.
    return fontMetrics().horizontalAdvance(text) <= box.width() - 4;
}

void CCellEdit::OnTextChanged(const QString& text) {
    previous_ = current_;
    current_ = text;
}

// textChanged comes first, so previous_ holds the text before this edit.
void CCellEdit::OnTextEdited(const QString& text) {
    if (Fits(text) || !Fits(previous_)) return;
    const QString kept = previous_;
    const int cursor =
        std::clamp(cursorPosition() - int(text.size() - kept.size()), 0, int(kept.size()));
    setText(kept);
    setCursorPosition(cursor);
}

CellEditors::CellEditors(QWidget* parent, const QFont& font) {
    auto* listStyle = new DropDownBelowStyle;
    listStyle->setParent(parent);
    for (int i = 0; i < 8; ++i) {
        const int id = kEditorIds[static_cast<std::size_t>(i)];
        QWidget* editor = nullptr;
        if (i < 2) {
            auto* edit = new CCellEdit(parent);
            edit->setObjectName(QStringLiteral("Edit%1").arg(id));
            editor = edit;
        } else {
            auto* list = new QComboBox(parent);
            list->setObjectName(QStringLiteral("Combo%1").arg(id));
            list->setEditable(false);
            list->setStyle(listStyle);
            editor = list;
        }
        editor->setProperty("controlId", id);
        editor->setProperty("helpId", id);
        editor->setFont(font);
        editor->setGeometry(QRect());
        editor->hide();
        editors_[static_cast<std::size_t>(i)] = editor;
    }
}

void CellEditors::FillLists(const std::vector<std::string>& toneTable, UiLanguage lang) {
    QComboBox* decode = ListForColumn(col::kDecode);
    QComboBox* encode = ListForColumn(col::kEncode);
    for (const std::string& tone : toneTable) {
        const QString text = QString::fromStdString(tone);
        decode->addItem(text);
        encode->addItem(text);
    }
    for (int column = col::kPower; column <= col::kBandwidth; ++column) {
        QComboBox* list = ListForColumn(column);
        const ColumnWords words = ListWordsForColumn(column);
        for (int i = 0; i < words.count; ++i)
            list->addItem(QString::fromUtf8(words.items[i].In(lang)));
    }
    for (int column = col::kDecode; column <= col::kBandwidth; ++column) {
        QComboBox* list = ListForColumn(column);
        const int itemHeight = std::max(1, list->fontMetrics().height() + 2);
        list->setMaxVisibleItems(std::max(2, kDroppedListHeight / itemHeight));
    }
}

QWidget* CellEditors::EditorForColumn(int column) const {
    return editors_[static_cast<std::size_t>(IndexOfColumn(column))];
}

QLineEdit* CellEditors::EditBoxForColumn(int column) const {
    return qobject_cast<QLineEdit*>(EditorForColumn(column));
}

QComboBox* CellEditors::ListForColumn(int column) const {
    return qobject_cast<QComboBox*>(EditorForColumn(column));
}

void CellEditors::Load(int column, const QString& text) {
    if (QLineEdit* edit = EditBoxForColumn(column)) {
        edit->setText(text);
        return;
    }
    QComboBox* list = ListForColumn(column);
    int found = 0;
    for (int i = 0; i < list->count(); ++i) {
        if (list->itemText(i).startsWith(text, Qt::CaseInsensitive)) {
            found = i;
            break;
        }
    }
    list->setCurrentIndex(list->count() > 0 ? found : -1);
}

QString CellEditors::EditorText(int column) const {
    if (QLineEdit* edit = EditBoxForColumn(column)) return edit->text();
    return ListForColumn(column)->currentText();
}

bool CellEditors::IsVisible(int column) const {
    return !EditorForColumn(column)->isHidden();
}

void CellEditors::HideAll() {
    for (QWidget* editor : editors_) editor->hide();
}

}  // namespace qm530::editor
