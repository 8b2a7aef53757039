#pragma once

#include <QDialog>
#include <cstdint>

class QComboBox;

namespace qm530 {
struct RadioImage;
}  // namespace qm530

namespace qm530::ui {
struct AppContext;
}  // namespace qm530::ui

namespace qm530::settings {

// What OK of the Product Information dialog changes besides the registry
// and the caption: the image of the active document and the band limits
// of its view. A missing part is left alone.
struct ProductInfoTarget {
    RadioImage* image = nullptr;
    std::int32_t* bandLow = nullptr;
    std::int32_t* bandHigh = nullptr;
};

// The model and band of the radio. The dialog opens on the choice
// remembered in the registry; OK stores it in the image (ProductType,
// BandIndex), the registry (Type, Field), the main window's caption and
// the view's band limits. Cancel changes nothing.
class CProductInfoDlg : public QDialog {
    Q_OBJECT
  public:
    CProductInfoDlg(ui::AppContext& ctx, ProductInfoTarget target, QWidget* parent = nullptr);

    QComboBox* TypeList() const { return typeList_; }
    QComboBox* FrequencyList() const { return frequencyList_; }

    void accept() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void OnInitDialog();
    void OnTypeChanged();

    ui::AppContext& ctx_;
    ProductInfoTarget target_;
    QComboBox* typeList_;
    QComboBox* frequencyList_;
};

}  // namespace qm530::settings
