#include "editor/compare_dlg.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qm530::editor {

CCompareSourceDlg::CCompareSourceDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CompareSource"));
    setWindowTitle(tr("Compare"));
    auto* group = new QGroupBox(tr("Compare the document with"), this);
    file_ = new QRadioButton(tr("a &file (.dat)"), group);
    file_->setObjectName(QStringLiteral("WithFile"));
    radio_ = new QRadioButton(tr("the &radio (read it first)"), group);
    radio_->setObjectName(QStringLiteral("WithRadio"));
    file_->setChecked(true);
    auto* choices = new QVBoxLayout(group);
    choices->addWidget(file_);
    choices->addWidget(radio_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    file_->setFocus();
}

bool CCompareSourceDlg::WithRadio() const {
    return radio_->isChecked();
}

CCompareDlg::CCompareDlg(const settings::ImageDiff& diff, UiLanguage lang, const QString& otherName,
                         QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("Compare"));
    setWindowTitle(tr("Compare"));
    const QString other = otherName.isEmpty() ? tr("the radio") : otherName;
    auto* heading = new QLabel(this);
    heading->setWordWrap(true);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("Differences"));
    list_->setAccessibleName(tr("Differences"));
    heading->setBuddy(list_);
    if (diff.Equal()) {
        heading->setText(tr("&Document compared with %1:").arg(other));
        list_->addItem(tr("The configurations are the same."));
    } else {
        heading->setText(
            tr("&Document (before the arrow) compared with %1 (after it):").arg(other));
        bool headed = false;
        for (const settings::DiffLine& line : settings::DiffLines(diff, lang)) {
            if (line.kind == settings::DifferenceKind::kByte && !headed) {
                auto* item =
                    new QListWidgetItem(QString::fromStdString(settings::DiffBytesHeading(lang)));
                item->setFlags(Qt::ItemIsEnabled);
                list_->addItem(item);
                headed = true;
            }
            const bool byte = line.kind == settings::DifferenceKind::kByte;
            list_->addItem(QString::fromStdString((byte ? "  " : "") + line.text));
        }
    }
    list_->setCurrentRow(0);
    list_->setMinimumWidth(480);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    list_->setFocus();
}

QStringList CCompareDlg::Lines() const {
    QStringList lines;
    for (int i = 0; i < list_->count(); ++i) lines << list_->item(i)->text();
    return lines;
}

}  // namespace qm530::editor
