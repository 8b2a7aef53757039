#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "link/serial_devices.h"

class QButtonGroup;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QRadioButton;

namespace qm530::ui {
struct AppContext;
}  // namespace qm530::ui

namespace qm530::link {

// "COM Setup": the serial port of the transfers, COM1 to COM4. Each button
// shows the device it stands for and what that device is (its USB names and
// serial number, or that it is not present); a port that cannot be opened
// right now is disabled. Below each button a list points the port at one of
// the serial devices found or back at its default; the choice goes to
// section Ports of Program.ini (see link::ResolvePortName), the same for the
// command-line tool. The dialog opens on the port remembered in the
// registry ("com"); OK gives "com<n>" to the active channel view, remembers
// n and stores the devices chosen, Cancel changes nothing. F1 opens help
// topic 32777.
class CComSetupDlg : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kPortCount = 4;
    static constexpr int kFirstButtonId = 1007;

    // `setPortName` hands the chosen port name to the active channel view.
    CComSetupDlg(ui::AppContext& ctx, std::function<void(const std::string&)> setPortName,
                 QWidget* parent = nullptr);

    // Index of the selected button (0 = COM1 ... 3 = COM4), -1 for none.
    int PortIndex = -1;

    QRadioButton* PortButton(int index) const { return buttons_[static_cast<std::size_t>(index)]; }
    QLabel* DeviceLabel(int index) const { return devices_[static_cast<std::size_t>(index)]; }
    QLabel* DescriptionLabel(int index) const {
        return descriptions_[static_cast<std::size_t>(index)];
    }
    QComboBox* DeviceChoice(int index) const { return choices_[static_cast<std::size_t>(index)]; }

    // The tree the serial devices are looked for in ("" for this computer;
    // tests give a fake one, as for link::ListSerialDevices).
    std::string DevicesRoot;

    void accept() override;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void AddPortRow(QGroupBox& box, QGridLayout& grid, int index);
    QHBoxLayout* MakeButtonRow();
    void OnInitDialog();
    int SelectedIndex() const;
    void SelectIndex(int index);
    // The one button of the group that Tab reaches: the selected one when it
    // is enabled, else the first enabled one.
    int TabStopIndex() const;
    void UpdateTabStop();
    void FillChoice(int index);
    // The device the port stands for with the choice made in its list.
    std::string ChosenDevice(int index) const;
    std::string ChoiceValue(int index) const;
    // Shows the device of the port, what it is, and whether it can be opened.
    void ShowDevice(int index);
    QString Description(const std::string& device) const;

    ui::AppContext& ctx_;
    std::function<void(const std::string&)> setPortName_;
    QButtonGroup* group_;
    std::array<QRadioButton*, kPortCount> buttons_{};
    std::array<QLabel*, kPortCount> devices_{};
    std::array<QLabel*, kPortCount> descriptions_{};
    std::array<QComboBox*, kPortCount> choices_{};
    std::array<std::string, kPortCount> stored_{};  // section Ports as the dialog opened
    std::vector<link::SerialDevice> found_;
};

}  // namespace qm530::link
