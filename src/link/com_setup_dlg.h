#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>

class QButtonGroup;
class QLabel;
class QRadioButton;

namespace qm530 {

struct AppContext;

// "COM Setup": the serial port of the transfers, COM1 to COM4. Each button
// shows the device it stands for; a port that cannot be opened right now is
// disabled. The dialog opens on the port remembered in the registry
// ("com"); OK gives "com<n>" to the active channel view and remembers n,
// Cancel changes nothing. F1 opens help topic 32777.
class CComSetupDlg : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kPortCount = 4;
    static constexpr int kFirstButtonId = 1007;

    // `setPortName` hands the chosen port name to the active channel view.
    CComSetupDlg(AppContext& ctx, std::function<void(const std::string&)> setPortName,
                 QWidget* parent = nullptr);

    // Index of the selected button (0 = COM1 ... 3 = COM4), -1 for none.
    int PortIndex = -1;

    QRadioButton* PortButton(int index) const { return buttons_[static_cast<std::size_t>(index)]; }
    QLabel* DeviceLabel(int index) const { return devices_[static_cast<std::size_t>(index)]; }

    void accept() override;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void OnInitDialog();
    int SelectedIndex() const;
    void SelectIndex(int index);
    // The one button of the group that Tab reaches: the selected one when it
    // is enabled, else the first enabled one.
    int TabStopIndex() const;
    void UpdateTabStop();

    AppContext& ctx_;
    std::function<void(const std::string&)> setPortName_;
    QButtonGroup* group_;
    std::array<QRadioButton*, kPortCount> buttons_{};
    std::array<QLabel*, kPortCount> devices_{};
};

}  // namespace qm530
