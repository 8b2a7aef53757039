#include "editor/import_preview_dlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "settings/dialog_controls.h"
#include "ui/app_context.h"

namespace qm530::editor {

CImportPreviewDlg::CImportPreviewDlg(ui::AppContext& ctx, const ChannelList& list,
                                     const ChannelTable& table, const BandLimits& band,
                                     QWidget* parent)
    : QDialog(parent), ctx_(ctx), list_(list), table_(table), band_(band) {
    setObjectName(QStringLiteral("ImportPreviewDialog"));
    setWindowTitle(tr("Import Channel List"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    byLocation_ = new QRadioButton(tr("By &location (row Location n goes to channel n)"), this);
    byLocation_->setObjectName(QStringLiteral("ByLocation"));
    renumber_ = new QRadioButton(tr("&Renumbered in file order from channel"), this);
    renumber_->setObjectName(QStringLiteral("Renumber"));
    auto* group = new QButtonGroup(this);
    group->addButton(byLocation_);
    group->addButton(renumber_);
    byLocation_->setChecked(true);
    start_ = new QSpinBox(this);
    start_->setObjectName(QStringLiteral("StartChannel"));
    start_->setAccessibleName(tr("First channel"));
    start_->setRange(1, kChannelCount);
    start_->setEnabled(false);
    clearOthers_ = new QCheckBox(tr("&Clear the channels the file does not name"), this);
    clearOthers_->setObjectName(QStringLiteral("ClearOthers"));

    rows_ = new QTableWidget(0, kColumnCount, this);
    rows_->setObjectName(QStringLiteral("ImportRows"));
    rows_->setAccessibleName(tr("Rows of the channel list"));
    QStringList headers{tr("Line"), tr("Channel"), tr("What changes")};
    for (int c = 1; c < kTableCols; ++c) headers << QString::fromStdString(table.Cell(0, c));
    rows_->setHorizontalHeaderLabels(headers);
    rows_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rows_->setSelectionBehavior(QAbstractItemView::SelectRows);
    rows_->setWordWrap(false);
    rows_->verticalHeader()->hide();
    rows_->setMinimumSize(760, 260);
    detail_ = new QLabel(this);
    detail_->setObjectName(QStringLiteral("ImportDetail"));
    detail_->setWordWrap(true);
    detail_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("ImportSummary"));
    summary_->setWordWrap(true);

    auto* body = new QVBoxLayout;
    body->addWidget(byLocation_);
    auto* renumberRow = new QHBoxLayout;
    renumberRow->addWidget(renumber_);
    renumberRow->addWidget(start_);
    renumberRow->addStretch(1);
    body->addLayout(renumberRow);
    body->addWidget(clearOthers_);
    body->addWidget(rows_, 1);
    body->addWidget(detail_);
    body->addWidget(summary_);
    ok_ = settings::LayOutWithOkCancel(this, body, tr("OK"), tr("Cancel")).ok;

    connect(renumber_, &QRadioButton::toggled, this, [this](bool on) {
        start_->setEnabled(on);
        Replan();
    });
    connect(start_, &QSpinBox::valueChanged, this, [this] { Replan(); });
    connect(clearOthers_, &QCheckBox::toggled, this, [this] { Replan(); });
    connect(rows_, &QTableWidget::currentCellChanged, this, [this] { ShowDetail(); });
    Replan();
    rows_->setFocus();
}

ImportChoices CImportPreviewDlg::Choices() const {
    ImportChoices choices;
    choices.renumber = renumber_->isChecked();
    choices.start = start_->value();
    choices.clearOthers = clearOthers_->isChecked();
    return choices;
}

void CImportPreviewDlg::Replan() {
    plan_ = PlanChannelImport(list_, table_, band_, ctx_.UiLanguage, Choices());
    FillRows();
    summary_->setText(SummaryText());
}

void CImportPreviewDlg::FillRows() {
    const int current = rows_->currentRow();
    rows_->setRowCount(static_cast<int>(plan_.entries.size()));
    int r = 0;
    for (const ImportEntry& entry : plan_.entries) {
        const bool hasChannel = entry.channel != 0;
        QStringList texts{entry.line > 0 ? QString::number(entry.line) : QString(),
                          hasChannel ? QString::number(entry.channel) : QString(),
                          ChangeText(entry)};
        for (int c = 1; c < kTableCols; ++c) texts << (hasChannel ? CellText(entry, c) : QString());
        for (int c = 0; c < kColumnCount; ++c) {
            auto* item = new QTableWidgetItem(texts[c]);
            item->setToolTip(texts[c]);
            rows_->setItem(r, c, item);
        }
        ++r;
    }
    rows_->resizeColumnsToContents();
    // A long reason does not push the channel's cells out of sight: the
    // whole text is in the tooltip and below the table.
    rows_->setColumnWidth(ChangeColumn, std::min(rows_->columnWidth(ChangeColumn), 240));
    if (rows_->rowCount() > 0) {
        rows_->setCurrentCell(std::clamp(current, 0, rows_->rowCount() - 1), ChangeColumn);
    }
    ShowDetail();
}

void CImportPreviewDlg::ShowDetail() {
    const int r = rows_->currentRow();
    const QTableWidgetItem* change = r >= 0 ? rows_->item(r, ChangeColumn) : nullptr;
    if (!change) {
        detail_->clear();
        return;
    }
    const QString line = rows_->item(r, LineColumn)->text();
    const QString channel = rows_->item(r, ChannelColumn)->text();
    const QString where = line.isEmpty()      ? tr("Channel %1").arg(channel)
                          : channel.isEmpty() ? tr("Line %1").arg(line)
                                              : tr("Line %1, channel %2").arg(line, channel);
    detail_->setText(tr("%1: %2").arg(where, change->text()));
}

QString CImportPreviewDlg::CellText(const ImportEntry& entry, int column) {
    const auto text = [](const GridRow& row, int c) {
        return QString::fromStdString(row[static_cast<std::size_t>(c)]);
    };
    const QString before = text(entry.before, column);
    // A refused or skipped row leaves the channel as it is.
    if (entry.outcome == ImportOutcome::Refused || entry.outcome == ImportOutcome::Skipped)
        return before;
    const QString after = text(entry.after, column);
    if (before == after || entry.before[col::kRx].empty()) return after;
    return (before.isEmpty() ? QStringLiteral("-") : before) + QStringLiteral(" → ") +
           (after.isEmpty() ? QStringLiteral("-") : after);
}

QString CImportPreviewDlg::ChangeText(const ImportEntry& entry) const {
    const QString reason = QString::fromStdString(entry.reason);
    QString text;
    switch (entry.outcome) {
        case ImportOutcome::New:
            text = tr("new");
            break;
        case ImportOutcome::Changed:
            text = tr("changed");
            break;
        case ImportOutcome::Unchanged:
            text = tr("unchanged");
            break;
        case ImportOutcome::Refused:
            text = tr("refused: %1").arg(reason);
            break;
        case ImportOutcome::Skipped:
            text = tr("skipped: %1").arg(reason);
            break;
        case ImportOutcome::Cleared:
            text = tr("cleared (no row names it)");
            break;
    }
    for (const std::string& note : entry.notes)
        text += tr("; note: %1").arg(QString::fromStdString(note));
    return text;
}

QString CImportPreviewDlg::SummaryText() const {
    QString text = tr("%1 new, %2 changed, %3 unchanged, %4 cleared, %5 refused, %6 skipped.")
                       .arg(plan_.Count(ImportOutcome::New))
                       .arg(plan_.Count(ImportOutcome::Changed))
                       .arg(plan_.Count(ImportOutcome::Unchanged))
                       .arg(plan_.Count(ImportOutcome::Cleared))
                       .arg(plan_.Count(ImportOutcome::Refused))
                       .arg(plan_.Count(ImportOutcome::Skipped));
    if (plan_.Refuses()) {
        text +=
            QLatin1Char(' ') + tr("Rows refused: %1. They will be left out; OK imports the others.")
                                   .arg(plan_.Count(ImportOutcome::Refused));
    }
    return text;
}

}  // namespace qm530::editor
