#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QProgressBar;
class QPushButton;

namespace qm530::link {

// The progress window of a transfer ("Read Data" / "Write Data"). The
// object lives as long as its channel view; its window is created for each
// transfer and destroyed after it. OK asks the view to run the transfer
// (TransferRequested, delivered queued) and stays open with OK disabled;
// Cancel before OK destroys the window, Cancel during the transfer only
// sets CancelRequested, which the transfer polls between blocks.
//
// While another window's transfer runs, OK is held back (HoldOk): the
// window stays ready, and Cancel still closes it.
class CProcessDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CProcessDlg(QWidget* parent = nullptr);

    QString TransferTitle;  // the caption given at creation
    bool CancelRequested = false;

    // Creates the window (hidden, ready: OK enabled, bar 0 of 0-64, step 1,
    // counter "0", caption TransferTitle). It is shown centred over `owner`.
    void Create(QWidget* owner);
    bool Exists() const { return exists_; }
    // Shows the window centred over its owner.
    void ShowCentred();
    void DestroyWindow();
    // True from OK until the window is destroyed or the request is refused.
    bool Running() const;
    // Holds OK back (disabled) while a transfer of another window runs, and
    // gives it back afterwards unless OK was pressed.
    void HoldOk(bool held);
    // The request of OK could not be served: the window is ready again
    // (OK enabled unless held back, Cancel closes it).
    void BackToReady();

    // The progress bar (control 1001) and the counter (control 1009).
    void SetRange(int low, int high);
    void SetPos(int position);
    void SetStep(int step);
    // Advances by the step; past the upper end the bar starts over from
    // the lower end. Returns the new position.
    int StepIt();
    int Pos() const { return position_; }
    void SetCounterText(const QString& text);
    // A line above the bar that says which step of the transfer runs
    // ("Reading the radio for the backup"); hidden while empty. Creation
    // empties it.
    void SetStepText(const QString& text);

    QProgressBar* Bar() const { return bar_; }
    QLabel* StepLabel() const { return stepText_; }
    QLabel* Counter() const { return counter_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

  signals:
    // OK was pressed: the owning view runs the transfer.
    void TransferRequested();

  public slots:
    void accept() override;  // OK
    void reject() override;  // Cancel, Esc, the close box

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void UpdateOk();

    QLabel* stepText_;
    QProgressBar* bar_;
    QLabel* counter_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QWidget* owner_ = nullptr;
    bool exists_ = false;
    bool started_ = false;  // OK pressed: the transfer is asked for or runs
    bool okHeld_ = false;
    int low_ = 0;
    int high_ = 64;
    int step_ = 1;
    int position_ = 0;
};

}  // namespace qm530::link
