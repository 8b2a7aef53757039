#pragma once

#include <QDialog>

class QComboBox;

namespace qm530 {
struct RadioImage;
}  // namespace qm530

namespace qm530::ui {
struct AppContext;
}  // namespace qm530::ui

namespace qm530::settings {

// The functions of the radio's two side keys. A stored code outside the
// list opens as "Off"; OK stores both lists, Cancel nothing.
class CSideKeyDlg : public QDialog {
    Q_OBJECT
  public:
    CSideKeyDlg(ui::AppContext& ctx, RadioImage& image, QWidget* parent = nullptr);

    QComboBox* Key1List() const { return key1_; }
    QComboBox* Key2List() const { return key2_; }

    void accept() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void OnInitDialog();

    ui::AppContext& ctx_;
    RadioImage& image_;
    QComboBox* key1_;
    QComboBox* key2_;
};

}  // namespace qm530::settings
