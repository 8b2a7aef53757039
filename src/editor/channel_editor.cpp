#include "editor/channel_editor.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>
#include <array>

#include "editor/cell_editors.h"
#include "editor/channel_grid.h"
#include "editor/channel_grid_model.h"
#include "editor/channel_phrase.h"
#include "model/cell_commit.h"
#include "model/messages.h"
#include "model/tones.h"
#include "ui/app_context.h"
#include "ui/string_table.h"
#include "ui/ui_services.h"

namespace qm530::editor {

namespace {

// Column widths as multiples of the stored width of column 0.
constexpr std::array<double, kTableCols> kWidthFactors = {0.5, 1.3, 1.3, 1.1, 1.1,
                                                          0.9, 0.9, 0.9, 0.9};

}  // namespace

QFont ChannelViewFont() {
    QFont font(QStringLiteral("Times New Roman"), 9);
    font.setStyleHint(QFont::Serif);
    return font;
}

CChannelEditor::CChannelEditor(ui::AppContext& ctx, ChannelTable& table,
                               std::function<BandLimits()> band, QWidget* parent)
    : QWidget(parent), ctx_(ctx), table_(table), band_(std::move(band)) {
    setFont(ChannelViewFont());
    grid_ = new CChannelGrid(table_, this);
    grid_->setFont(font());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->addWidget(grid_);
    setFocusProxy(grid_);

    connect(grid_, &CChannelGrid::EnterCell, this, &CChannelEditor::OnEnterCell);
    connect(grid_, &CChannelGrid::MouseDown, this, &CChannelEditor::OnMouseDown);
    connect(grid_, &CChannelGrid::LeaveCell, this, [this] { CommitCellEdit(); });
    connect(grid_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (grid_->selectionModel()->selectedIndexes().size() > 1) {
            HideCellEditors();
            grid_->setFocus(Qt::OtherFocusReason);
        }
    });
    connect(grid_, &CChannelGrid::Scroll, this, &CChannelEditor::HideCellEditors);
    grid_->installEventFilter(this);
}

CChannelEditor::~CChannelEditor() = default;

void CChannelEditor::FirstUpdate() {
    if (editors_) return;
    toneTable_ = FillToneTable(ctx_.UiLanguage);
    grid_->SetForeColorFixed(QColor::fromRgb(kFixedTextRgb));
    grid_->Model()->SetLanguage(ctx_.UiLanguage);
    editors_ = std::make_unique<CellEditors>(grid_->viewport(), font());
    for (QWidget* editor : editors_->All()) editor->installEventFilter(this);
    editors_->FillLists(toneTable_, ctx_.UiLanguage);
    table_.WriteLabels(ctx_.UiLanguage);
    grid_->Refresh();
    for (int column = 0; column < kTableCols; ++column)
        grid_->SetColAlignment(column, Qt::AlignCenter);
    const int w0 = grid_->ColWidth(0);
    for (int column = 0; column < kTableCols; ++column) {
        grid_->SetColWidth(column,
                           static_cast<int>(w0 * kWidthFactors[static_cast<std::size_t>(column)]));
    }
    updateGeometry();
}

QSize CChannelEditor::sizeHint() const {
    // Room for every cell without scrolling.
    int width = 2 * grid_->frameWidth();
    for (int column = 0; column < kTableCols; ++column) width += grid_->ColWidth(column);
    const int height = 2 * grid_->frameWidth() + grid_->horizontalHeader()->height() +
                       (kTableRows - 1) * grid_->verticalHeader()->defaultSectionSize();
    const QMargins m = layout()->contentsMargins();
    return {width + m.left() + m.right(), height + m.top() + m.bottom()};
}

void CChannelEditor::TableRefilled() {
    HideCellEditors();
    grid_->Refresh();
}

void CChannelEditor::OnEnterCell() {
    OpenEditor();
}

void CChannelEditor::OnMouseDown() {
    OpenEditor();
}

// A selection of more than one cell (whole channels, a block) is for the
// clipboard and the channel order: no editor opens, the grid keeps the keys.
void CChannelEditor::OpenEditor() {
    if (!editors_) return;
    if (grid_->selectionModel()->selectedIndexes().size() > 1) {
        HideCellEditors();
        grid_->setFocus(Qt::OtherFocusReason);
        return;
    }
    editors_->Load(grid_->Col(), QString::fromStdString(grid_->Text()));
    ShowCellEditor();
}

void CChannelEditor::ShowCellEditor() {
    if (!editors_) return;
    QWidget* editor = editors_->EditorForColumn(grid_->Col());
    const QRect cell = grid_->CellRect();
    editRow_ = grid_->Row();
    editCol_ = grid_->Col();
    loadedText_ = QString::fromStdString(grid_->Text());
    if (QLineEdit* edit = editors_->EditBoxForColumn(grid_->Col())) {
        edit->setText(loadedText_);
        edit->setGeometry(cell);
        edit->selectAll();
    } else {
        // The list opens below the cell.
        editor->setGeometry(cell);
    }
    // A screen reader names the editor by its column and channel (a list
    // on Linux is named by its entry, so the description says it too).
    const QString name = ChannelSpeech::EditorName(
        QString::fromStdString(grid_->TextMatrix(0, grid_->Col())), grid_->Row());
    editor->setAccessibleName(name);
    editor->setAccessibleDescription(name);
    editor->show();
    editor->setFocus(Qt::OtherFocusReason);
    grid_->viewport()->repaint();
}

bool CChannelEditor::CommitCellEdit() {
    if (!editors_) return false;
    const int row = grid_->Row();
    const int column = grid_->Col();
    if (!editors_->IsVisible(column)) return false;
    QWidget* editor = editors_->EditorForColumn(column);
    // An editor laid over another cell, or a frequency the user did not
    // change, writes nothing: moving through a channel never alters it (a
    // stored frequency outside the band stays until the user edits it).
    const bool elsewhere = row != editRow_ || column != editCol_;
    const bool untouched = editors_->EditBoxForColumn(column) != nullptr &&
                           editors_->EditorText(column) == loadedText_;
    if (elsewhere || untouched) {
        if (editor->hasFocus()) grid_->setFocus(Qt::OtherFocusReason);
        editor->hide();
        return false;
    }
    const CommitOutcome outcome = CommitCellText(
        table_, row, column, editors_->EditorText(column).toStdString(), band_(), ctx_.UiLanguage);
    grid_->RefreshRow(row);
    if (outcome.rejected()) {
        ctx_.services.MessageBox(this, ui::StringTable(outcome.messageId),
                                 ui::StringTable(msg::kCaution), ui::MsgButtons::Ok,
                                 ui::MsgIcon::Exclamation);
    }
    // The focus stays in the grid: hiding the focused editor would hand it
    // to the next widget of the window, the navigation tree.
    if (editor->hasFocus() || QApplication::focusWidget() == nullptr)
        grid_->setFocus(Qt::OtherFocusReason);
    editor->hide();
    emit CellCommitted(row, column);
    return outcome.rejected();
}

void CChannelEditor::HideCellEditors() {
    // The focus stays in the grid rather than going on to the next widget.
    if (editors_) {
        for (QWidget* editor : editors_->All()) {
            if (editor->isVisible() && editor->hasFocus()) grid_->setFocus(Qt::OtherFocusReason);
        }
        editors_->HideAll();
    }
    grid_->viewport()->repaint();
}

// Enter commits the cell and moves to the next one, row by row, from the
// last cell back to the first. After a validation message it stays.
void CChannelEditor::OnEnterKey() {
    const int row = grid_->Row();
    const int column = grid_->Col();
    if (CommitCellEdit()) return;
    if (column < grid_->Cols() - 1) {
        grid_->SetCurrentCell(row, column + 1);
    } else if (row < grid_->Rows() - 1) {
        grid_->SetCurrentCell(row + 1, 1);
    } else {
        grid_->SetCurrentCell(1, 1);
    }
}

// Whether a key pressed in an open editor belongs to the document, as in a
// spreadsheet: undo and redo unless the editor holds typed text, paste of
// several cells, copy and cut of a block. Everything else stays with the
// editor (its own text undo, a single value pasted into it).
bool CChannelEditor::KeyForTheDocument(QObject* watched, const QKeyEvent& key) const {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit == nullptr) return false;
    const bool typed = edit->isModified();
    if (key.matches(QKeySequence::Undo)) return !typed || !edit->isUndoAvailable();
    if (key.matches(QKeySequence::Redo) ||
        key.keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)) {
        return !typed || !edit->isRedoAvailable();
    }
    if (key.matches(QKeySequence::Paste)) {
        QString text = QApplication::clipboard()->text();
        while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r'))) text.chop(1);
        return text.contains(QLatin1Char('\t')) || text.contains(QLatin1Char('\n')) ||
               text.contains(QLatin1Char('\r'));
    }
    if (key.matches(QKeySequence::Copy) || key.matches(QKeySequence::Cut))
        return grid_->selectionModel()->selectedIndexes().size() > 1;
    return false;
}

bool CChannelEditor::eventFilter(QObject* watched, QEvent* event) {
    // Unaccepted, the override lets the window's shortcut run the command.
    if (event->type() == QEvent::ShortcutOverride && watched != grid_ &&
        KeyForTheDocument(watched, *static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            OnEnterKey();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace qm530::editor
