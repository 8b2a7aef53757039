#pragma once

#include <QDialog>
#include <array>

#include "settings/scan_info.h"

class QComboBox;
class QLineEdit;

namespace qm530::ui {
struct AppContext;
}  // namespace qm530::ui

namespace qm530::settings {

class CSpinEdit;

// How the radio scans: priority mode and channel, look-back times, revert
// channel, dropout delay and transmit dwell. The controls are coupled by
// ScanInfoLogic: before each operation the dialog copies its controls into
// the logic's form, afterwards it shows the form. OK refuses an
// unprogrammed priority channel and the dialog then stays open.
class CScanInfoDlg : public QDialog {
    Q_OBJECT
  public:
    CScanInfoDlg(ui::AppContext& ctx, RadioImage& image, QWidget* parent = nullptr);

    QComboBox* PriorityList() const { return priority_; }
    QLineEdit* PriorityChannelEdit() const { return priorityChannel_; }
    QComboBox* RevertList() const { return revert_; }
    // LookBackA, LookBackB, DropoutDelay or TxDwell.
    CSpinEdit* TimeEdit(ScanField field) const;

    void accept() override;
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void OnInitDialog();
    void OnPriorityChanged(int position);
    void OnSpin(ScanField field, int direction);
    void OnLeave(ScanField field);

    void ControlsToForm();
    void FormToControls();
    void Report(const ScanOutcome& outcome);

    ui::AppContext& ctx_;
    RadioImage& image_;
    ScanInfoLogic logic_;
    QComboBox* priority_;
    QLineEdit* priorityChannel_;
    CSpinEdit* lookBackA_;
    CSpinEdit* lookBackB_;
    QComboBox* revert_;
    CSpinEdit* dropoutDelay_;
    CSpinEdit* txDwell_;
    bool busy_ = false;     // an operation is running (message boxes move the focus)
    bool closing_ = false;  // the dialog is ending: focus changes are no edits
};

}  // namespace qm530::settings
