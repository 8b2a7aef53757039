#pragma once

#include <QPointer>
#include <functional>
#include <ostream>
#include <string>

#include "link/transfer.h"

class QWidget;

namespace qm530::ui {
struct AppContext;
}  // namespace qm530::ui

namespace qm530::link {

class CProcessDlg;

// The desktop program's side of a transfer: the progress window shows the
// progress and is the Cancel button, string-table messages appear in
// message boxes, and every pump step lets the user interface handle what
// is pending (QCoreApplication::processEvents).
class GuiTransferHost : public link::TransferHost {
  public:
    // What the host needs from the channel view that runs the transfer.
    struct ViewHooks {
        std::function<link::TransferDirection()> direction;
        std::function<void()> imageAboutToBeSent;
        std::function<void()> imageReceivedComplete;
    };

    GuiTransferHost(ui::AppContext& ctx, CProcessDlg* progress, ViewHooks hooks,
                    QWidget* messageParent);

    link::TransferDirection Direction() override;
    void ImageAboutToBeSent() override;
    void ImageReceivedComplete() override;
    void ShowMessage(int messageId, const std::string& detail) override;
    bool AskRetry(const std::string& detail) override;
    void Progress(int position) override;
    void PumpOne() override;
    bool CancelRequested() override;
    void Sleep(int milliseconds) override;
    // Handles the pending events, so that the window repaints and Cancel
    // works while the radio is silent.
    bool Waiting() override;

    // The text of a transfer message: the string-table text, and for a port
    // that cannot be opened the reason this system gives.
    static QString MessageText(int messageId, const std::string& detail);

    // The trace the transfer writes to `path`: every failure message and the
    // Retry question then say where it is, with what came so far written out.
    void SetTrace(std::ostream* trace, const std::string& path);
    // "A trace of this transfer is in PATH." on a paragraph of its own, or
    // nothing without a trace.
    QString TraceNote() const;
    // A paragraph added to every message and question of this transfer
    // (before the trace note): what the transfer is for.
    void SetNote(const QString& note) { note_ = note; }

  private:
    QString Note() const;

    ui::AppContext& ctx_;
    QPointer<CProcessDlg> progress_;
    ViewHooks hooks_;
    QPointer<QWidget> messageParent_;
    std::ostream* trace_ = nullptr;
    std::string tracePath_;
    QString note_;
};

}  // namespace qm530::link
