#include "link/gui_transfer_host.h"

#include <QCoreApplication>
#include <QThread>

#include "link/process_dlg.h"
#include "model/messages.h"
#include "ui/app_context.h"
#include "ui/string_table.h"
#include "ui/ui_services.h"

namespace qm530::link {

GuiTransferHost::GuiTransferHost(ui::AppContext& ctx, CProcessDlg* progress, ViewHooks hooks,
                                 QWidget* messageParent)
    : ctx_(ctx), progress_(progress), hooks_(std::move(hooks)), messageParent_(messageParent) {}

link::TransferDirection GuiTransferHost::Direction() {
    return hooks_.direction ? hooks_.direction() : link::TransferDirection::kRead;
}

void GuiTransferHost::ImageAboutToBeSent() {
    if (hooks_.imageAboutToBeSent) hooks_.imageAboutToBeSent();
}

void GuiTransferHost::ImageReceivedComplete() {
    if (hooks_.imageReceivedComplete) hooks_.imageReceivedComplete();
}

QString GuiTransferHost::MessageText(int messageId, const std::string& detail) {
    QString text = ui::StringTable(messageId);
    // Which device and why: on this system a port can also be missing or
    // lack permissions, and the user needs to know which.
    if (messageId == msg::kPortOpenFailed && !detail.empty()) {
        text += QStringLiteral("\n\n") + QString::fromStdString(detail);
    }
    return text;
}

void GuiTransferHost::SetTrace(std::ostream* trace, const std::string& path) {
    trace_ = trace;
    tracePath_ = path;
}

QString GuiTransferHost::TraceNote() const {
    if (tracePath_.empty()) return {};
    if (trace_ != nullptr) trace_->flush();
    return QStringLiteral("\n\n") +
           QCoreApplication::translate("qm530::link::GuiTransferHost",
                                       "A trace of this transfer is in %1.")
               .arg(QString::fromStdString(tracePath_));
}

QString GuiTransferHost::Note() const {
    return note_.isEmpty() ? QString() : QStringLiteral("\n\n") + note_;
}

void GuiTransferHost::ShowMessage(int messageId, const std::string& detail) {
    ctx_.services.MessageBox(
        messageParent_.data(), MessageText(messageId, detail) + Note() + TraceNote(),
        QString::fromStdString(ctx_.ApplicationName), ui::MsgButtons::Ok, ui::MsgIcon::Exclamation);
}

bool GuiTransferHost::AskRetry(const std::string&) {
    return ctx_.services.MessageBox(
               messageParent_.data(), ui::StringTable(msg::kCommError) + Note() + TraceNote(),
               QString::fromStdString(ctx_.ApplicationName), ui::MsgButtons::RetryCancel,
               ui::MsgIcon::Exclamation) == ui::MsgResult::Retry;
}

void GuiTransferHost::Progress(int) {
    if (!progress_) return;
    const int position = progress_->StepIt();
    progress_->SetCounterText(QString::number(position));
}

void GuiTransferHost::PumpOne() {
    QCoreApplication::processEvents();
}

bool GuiTransferHost::CancelRequested() {
    return !progress_ || progress_->CancelRequested;
}

bool GuiTransferHost::Waiting() {
    QCoreApplication::processEvents();
    return CancelRequested();
}

void GuiTransferHost::Sleep(int milliseconds) {
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

}  // namespace qm530::link
