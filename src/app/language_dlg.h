#pragma once

#include <QDialog>

class QRadioButton;

namespace qm530::ui {
struct AppContext;
}  // namespace qm530::ui

namespace qm530::app {

// The Language dialog: English or Chinese. OK with a language other than
// the running one stores it in section Setup of Program.ini and sets
// LanguageChanged; the caller then restarts the program.
class CLanguageDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CLanguageDlg(ui::AppContext& ctx, QWidget* parent = nullptr);

    int LanguageIndex = -1;  // 0 English, 1 Chinese
    bool LanguageChanged = false;

    QRadioButton* EnglishButton() const { return english_; }
    QRadioButton* ChineseButton() const { return chinese_; }

    void accept() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    ui::AppContext& ctx_;
    QRadioButton* english_;
    QRadioButton* chinese_;
};

}  // namespace qm530::app
