#pragma once

#include <QDialog>
#include <array>

#include "settings/optional_features.h"

class QCheckBox;
class QComboBox;

namespace qm530::ui {
struct AppContext;
}  // namespace qm530::ui

namespace qm530::settings {

// The radio-wide options of an image: eight drop-down lists (Squelch Tune
// and Call Tone hidden, yet loaded and stored like the others) and the
// Beep and Battery Saver check boxes. Every showing starts from the image;
// OK stores all fields, Cancel nothing.
class COptionalFeaturesDlg : public QDialog {
    Q_OBJECT
  public:
    COptionalFeaturesDlg(ui::AppContext& ctx, RadioImage& image, QWidget* parent = nullptr);

    QComboBox* List(FeatureList list) const { return lists_[static_cast<std::size_t>(list)]; }
    QCheckBox* Beep() const { return beep_; }
    QCheckBox* BatterySaver() const { return batterySaver_; }

    void accept() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void OnInitDialog();

    ui::AppContext& ctx_;
    RadioImage& image_;
    std::array<QComboBox*, kFeatureListCount> lists_{};
    QCheckBox* beep_;
    QCheckBox* batterySaver_;
};

}  // namespace qm530::settings
