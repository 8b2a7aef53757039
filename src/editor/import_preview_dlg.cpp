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

#include "settings/dialog_controls.h"
#include "ui/app_context.h"

namespace qm530 {

CImportPreviewDlg::CImportPreviewDlg(AppContext& ctx, const ChannelList& list,
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
    start_->setRange(1, kChannelCount);
    start_->setEnabled(false);
    clearOthers_ = new QCheckBox(tr("&Clear the channels the file does not name"), this);
    clearOthers_->setObjectName(QStringLiteral("ClearOthers"));

    rows_ = new QTableWidget(0, ColumnCount, this);
    rows_->setObjectName(QStringLiteral("ImportRows"));
    rows_->setHorizontalHeaderLabels(
        {tr("Line"), tr("Channel"), tr("What changes"), tr("Old"), tr("New")});
    rows_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rows_->setSelectionBehavior(QAbstractItemView::SelectRows);
    rows_->setWordWrap(false);
    rows_->verticalHeader()->hide();
    rows_->horizontalHeader()->setStretchLastSection(true);
    rows_->setMinimumSize(760, 260);
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
    body->addWidget(summary_);
    ok_ = LayOutWithOkCancel(this, body, tr("OK"), tr("Cancel")).ok;

    connect(renumber_, &QRadioButton::toggled, this, [this](bool on) {
        start_->setEnabled(on);
        Replan();
    });
    connect(start_, &QSpinBox::valueChanged, this, [this] { Replan(); });
    connect(clearOthers_, &QCheckBox::toggled, this, [this] { Replan(); });
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
    rows_->setRowCount(static_cast<int>(plan_.entries.size()));
    int r = 0;
    for (const ImportEntry& entry : plan_.entries) {
        const bool hasRows = entry.channel != 0;
        const bool hasAfter = hasRows && entry.outcome != ImportOutcome::Refused &&
                              entry.outcome != ImportOutcome::Skipped;
        const QString texts[ColumnCount] = {
            entry.line > 0 ? QString::number(entry.line) : QString(),
            hasRows ? QString::number(entry.channel) : QString(),
            ChangeText(entry),
            hasRows ? RowText(entry.before) : QString(),
            hasAfter ? RowText(entry.after) : QString(),
        };
        for (int c = 0; c < ColumnCount; ++c) {
            auto* item = new QTableWidgetItem(texts[c]);
            item->setToolTip(texts[c]);
            rows_->setItem(r, c, item);
        }
        ++r;
    }
    rows_->resizeColumnsToContents();
    if (rows_->rowCount() > 0 && !rows_->currentItem()) rows_->setCurrentCell(0, 0);
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

// The grid's texts of a channel, '-' for an empty cell.
QString CImportPreviewDlg::RowText(const GridRow& row) const {
    if (row[col::kRx].empty()) return tr("(empty)");
    QStringList cells;
    for (int c = 1; c < kTableCols; ++c) {
        const std::string& text = row[static_cast<std::size_t>(c)];
        cells << (text.empty() ? QStringLiteral("-") : QString::fromStdString(text));
    }
    return cells.join(QStringLiteral("  "));
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
            QLatin1Char(' ') + tr("The %1 refused rows will be left out; OK imports the others.")
                                   .arg(plan_.Count(ImportOutcome::Refused));
    }
    return text;
}

}  // namespace qm530
