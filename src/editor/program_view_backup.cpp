// Setup > Back Up Before Writing: the radio's memory is read and kept
// before a Write replaces it.
#include <QProgressBar>

#include "editor/program_view.h"
#include "link/backup_store.h"
#include "link/gui_transfer_host.h"
#include "link/process_dlg.h"
#include "model/messages.h"
#include "ui/app_context.h"
#include "ui/ui_services.h"

namespace qm530::editor {

std::optional<QString> CProgramView::BackUpBeforeWrite(link::TransferSetup setup,
                                                       const std::string& tracePath) {
    const UiLanguage lang = ctx_.UiLanguage;
    const int writeSteps = processDlg_->Bar()->maximum();
    processDlg_->SetStepText(tr("Reading the radio for the backup"));
    processDlg_->SetRange(0, link::kReadProgressSteps);

    // Every message of this read says that nothing has been written.
    link::GuiTransferHost host(ctx_, processDlg_.data(),
                               {[] { return link::TransferDirection::kRead; }, nullptr, nullptr},
                               this);
    host.SetTrace(setup.trace, tracePath);
    host.SetNote(QString::fromUtf8(link::backuptext::kReadingForBackup.In(lang)));
    setup.traceHeading = "read for the backup on port " + PortName;
    // The 16 bytes a read does not carry are 0xFF in the backup.
    RadioImage previous = RadioImage::Blank();
    const link::TransferReport report = link::RunTransferSetup(setup, previous, host);
    // Until the write runs, this read is how the Write command ends: a
    // write that sent no block yet.
    lastTransfer_ = report.result;
    lastTransfer_.direction = link::TransferDirection::kWrite;
    lastTransfer_.blocksDone = 0;
    if (!report.result.completed()) return std::nullopt;  // said so already, or cancelled
    if (report.backupPath.empty()) {
        const std::string why = link::BackupFailure(report.backupStatus, lang);
        lastTransfer_.outcome = link::TransferOutcome::kFailed;
        lastTransfer_.detail = why;
        const QString text =
            QString::fromStdString(Say(lang, link::backuptext::kWriteWithoutBackup, {why})) +
            QStringLiteral("\n\n") +
            tr("To write without a backup, turn off Setup > Back Up Before Writing.");
        ctx_.services.MessageBox(this, text, QString::fromStdString(ctx_.ApplicationName),
                                 ui::MsgButtons::Ok, ui::MsgIcon::Exclamation);
        return std::nullopt;
    }
    if (!processDlg_) return std::nullopt;
    processDlg_->SetStepText(tr("Writing to the radio"));
    processDlg_->SetRange(0, writeSteps);
    processDlg_->SetPos(0);
    processDlg_->SetCounterText(QStringLiteral("0"));
    return QString::fromStdString(
        Say(lang, link::backuptext::kKeptBeforeWrite, {report.backupPath}));
}

}  // namespace qm530::editor
