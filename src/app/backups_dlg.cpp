#include "app/backups_dlg.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "model/dat_file.h"
#include "model/numbers.h"
#include "settings/product_catalog.h"
#include "ui/app_context.h"
#include "ui/command_ids.h"
#include "ui/f1_help.h"

namespace qm530::app {

namespace {

enum Column { kWhen, kPort, kModel, kBand, kChannels, kColumns };

}  // namespace

CBackupsDlg::CBackupsDlg(ui::AppContext& ctx, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BackupsDialog"));
    setWindowTitle(tr("Open Backup"));
    const link::BackupStore store = link::BackupStore::InUserDataDir(ctx.UserDataDir);
    backups_ = store.List();
    const QString folder = QDir::toNativeSeparators(QString::fromStdString(store.Folder()));

    heading_ = new QLabel(
        backups_.empty() ? tr("No radio has been read yet: there are no backups in %1.").arg(folder)
                         : tr("The backups of the radios read, newest first, in %1:").arg(folder),
        this);
    heading_->setObjectName(QStringLiteral("Heading"));
    heading_->setWordWrap(true);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("BackupList"));
    list_->setAccessibleName(tr("Backups"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setColumnCount(kColumns);
    list_->setHeaderLabels(
        {tr("Date and Time"), tr("Port"), tr("Model"), tr("Band"), tr("Channels")});
    list_->headerItem()->setTextAlignment(kChannels, Qt::AlignRight | Qt::AlignVCenter);
    heading_->setBuddy(list_);
    const settings::ProductCatalog catalog = settings::ProductCatalog::Of(ctx.theIni);
    for (const link::BackupEntry& backup : backups_) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(kWhen, QString::fromStdString(backup.DateTime()));
        item->setText(kPort, QString::fromStdString(backup.port));
        item->setToolTip(kWhen, QDir::toNativeSeparators(QString::fromStdString(backup.path)));
        if (!backup.loaded) {
            item->setText(
                kModel, QString::fromStdString(OpenFailureSentence(backup.loaded, ctx.UiLanguage)));
            continue;
        }
        const settings::ModelAndBand mb =
            settings::ModelAndBandOf(catalog, backup.productType, backup.bandIndex);
        item->setText(kModel,
                      QString::fromStdString(
                          mb.modelKnown ? mb.model : CFormatInt("0x%02X", backup.productType)));
        item->setText(kBand, QString::fromStdString(
                                 mb.modelKnown ? mb.band : CFormatInt("0x%02X", backup.bandIndex)));
        item->setText(kChannels, QString::number(backup.programmedChannels));
        item->setTextAlignment(kChannels, Qt::AlignRight | Qt::AlignVCenter);
    }
    if (list_->topLevelItemCount() > 0) list_->setCurrentItem(list_->topLevelItem(0));
    for (int column = 0; column < kColumns; ++column) list_->resizeColumnToContents(column);
    connect(list_, &QTreeWidget::itemActivated, this, [this] {
        if (open_->isEnabled()) accept();
    });

    auto* buttons = new QDialogButtonBox(this);
    open_ = buttons->addButton(tr("&Open"), QDialogButtonBox::AcceptRole);
    open_->setObjectName(QStringLiteral("OpenButton"));
    open_->setDefault(true);
    open_->setEnabled(!backups_.empty());
    QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    resize(620, 380);
    list_->setFocus();

    ui::InstallF1Help(this, ctx, [] { return ui::cmd::kFileOpenBackup; });
}

const link::BackupEntry* CBackupsDlg::Chosen() const {
    if (result() != QDialog::Accepted) return nullptr;
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0 || static_cast<std::size_t>(row) >= backups_.size()) return nullptr;
    return &backups_[static_cast<std::size_t>(row)];
}

}  // namespace qm530::app
