#pragma once

#include <QDialog>

class QLineEdit;

namespace qm530::ui {
struct AppContext;
}  // namespace qm530::ui

namespace qm530::settings {

// The access code asked for at every start, before any other window.
constexpr const char* kAccessCode = "480215";

// The Password dialog: OK with the exact code sets Accepted and ends the
// dialog; a wrong code shows "Password Error" and the dialog stays open,
// with any number of retries. Cancel ends the program.
class CPasswordDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CPasswordDlg(ui::AppContext& ctx, QWidget* parent = nullptr);

    bool Accepted = false;
    QLineEdit* CodeEdit() const { return edit_; }

    void accept() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    ui::AppContext& ctx_;
    QLineEdit* edit_;
};

}  // namespace qm530::settings
