#include "link/com_setup_dlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStringList>
#include <QVBoxLayout>
#include <filesystem>
#include <iterator>
#include <system_error>

#include "config/ini_file.h"
#include "config/registry.h"
#include "link/port_factory.h"
#include "link/port_name.h"
#include "ui/app_context.h"
#include "ui/command_ids.h"
#include "ui/f1_help.h"
#include "ui/ui_services.h"

namespace qm530::link {

CComSetupDlg::CComSetupDlg(ui::AppContext& ctx, std::function<void(const std::string&)> setPortName,
                           QWidget* parent)
    : QDialog(parent), ctx_(ctx), setPortName_(std::move(setPortName)) {
    setObjectName(QStringLiteral("ComSetupDialog"));
    setWindowTitle(tr("COM Setup"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto* box = new QGroupBox(tr("COM"), this);
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(2, 1);
    group_ = new QButtonGroup(this);
    group_->setExclusive(false);  // so that no button at all can be selected
    for (int i = 0; i < kPortCount; ++i) AddPortRow(*box, *grid, i);
    // Automatic radio buttons: a click selects that one and only that one.
    connect(group_, &QButtonGroup::idClicked, this, [this](int index) { SelectIndex(index); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 14);
    layout->setSpacing(12);
    layout->addWidget(box);
    layout->addLayout(MakeButtonRow());

    ui::InstallF1Help(this, ctx_, [] { return ui::cmd::kComSetup; });
}

// Per port: the button and its list, then the device and what it is.
void CComSetupDlg::AddPortRow(QGroupBox& box, QGridLayout& grid, int i) {
    const int id = kFirstButtonId + i;
    const auto at = static_cast<std::size_t>(i);
    auto* button = new QRadioButton(QStringLiteral("COM%1").arg(i + 1), &box);
    button->setObjectName(QStringLiteral("Radio%1").arg(id));
    button->setProperty("controlId", id);
    auto* choice = new QComboBox(&box);
    choice->setObjectName(QStringLiteral("Choice%1").arg(id));
    choice->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* choiceLabel = new QLabel(tr("Device &%1:").arg(i + 1), &box);
    choiceLabel->setBuddy(choice);
    auto* device = new QLabel(&box);
    device->setObjectName(QStringLiteral("Device%1").arg(id));
    auto* description = new QLabel(&box);
    description->setObjectName(QStringLiteral("Description%1").arg(id));
    for (QLabel* small : {device, description}) {
        QFont font = small->font();
        font.setPointSizeF(font.pointSizeF() * 0.85);
        small->setFont(font);
        small->setForegroundRole(QPalette::PlaceholderText);
    }
    group_->addButton(button, i);
    button->installEventFilter(this);
    buttons_[at] = button;
    devices_[at] = device;
    descriptions_[at] = description;
    choices_[at] = choice;
    auto* shown = new QHBoxLayout;
    shown->setSpacing(12);
    shown->addWidget(device);
    shown->addWidget(description, 1);
    grid.addWidget(button, i * 2, 0);
    grid.addWidget(choiceLabel, i * 2, 1);
    grid.addWidget(choice, i * 2, 2);
    grid.addLayout(shown, i * 2 + 1, 1, 1, 2);
    if (i + 1 < kPortCount) grid.setRowMinimumHeight(i * 2 + 1, 24);
    connect(choice, &QComboBox::currentIndexChanged, this, [this, i] { ShowDevice(i); });
}

// OK and Cancel; Tab goes from the ports to them, then through the lists,
// and Alt with a port's number reaches its list at once.
QHBoxLayout* CComSetupDlg::MakeButtonRow() {
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    connect(ok, &QPushButton::clicked, this, &CComSetupDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    buttons->addStretch(1);

    QWidget* order[] = {buttons_[0], buttons_[1], buttons_[2], buttons_[3], ok,
                        cancel,      choices_[0], choices_[1], choices_[2], choices_[3]};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
    return buttons;
}

void CComSetupDlg::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) OnInitDialog();
    QDialog::showEvent(event);
}

// Every port is probed as a transfer would open it; the registry names the
// port to preselect.
void CComSetupDlg::OnInitDialog() {
    found_ = link::ListSerialDevices(DevicesRoot, &ctx_.theIni);
    for (int i = 0; i < kPortCount; ++i) {
        stored_[static_cast<std::size_t>(i)] =
            ctx_.theIni.GetValue("Ports", "COM" + std::to_string(i + 1), "");
        FillChoice(i);
        ShowDevice(i);
    }
    PortIndex = static_cast<int>(ctx_.registry->ReadDword("com", 1)) - 1;
    SelectIndex(PortIndex);
    const int stop = TabStopIndex();
    if (stop >= 0) buttons_[static_cast<std::size_t>(stop)]->setFocus(Qt::TabFocusReason);
}

// The list of a port: its default, every device found (a USB device by its
// /dev/serial/by-id name, which stays the same wherever the cable is
// plugged in), and a device named in Program.ini that is neither.
void CComSetupDlg::FillChoice(int index) {
    const auto at = static_cast<std::size_t>(index);
    QComboBox* choice = choices_[at];
    const QSignalBlocker quiet(choice);
    choice->clear();
    choice->addItem(
        tr("Default (%1)").arg(QString::fromStdString(link::DefaultPortDevice(index + 1))),
        QString());
    for (const link::SerialDevice& d : found_) {
        if (d.path.empty()) continue;  // a device whose driver failed has no port
        const std::string value = d.byId.empty() ? d.path : d.byId.front();
        choice->addItem(
            QStringLiteral("%1: %2").arg(QString::fromStdString(d.path), Description(d.path)),
            QString::fromStdString(value));
    }
    // The virtual radio inside the program, to try Read and Write without one.
    choice->addItem(tr("Virtual radio (no cable)"), QString::fromUtf8(link::kVirtualRadioName));
    const QString stored = QString::fromStdString(stored_[at]);
    int current = choice->findData(stored);
    if (current < 0) {
        choice->insertItem(1, stored, stored);
        current = 1;
    }
    choice->setCurrentIndex(current);
    // The environment variable comes before any choice made here.
    const std::string variable = link::PortVariableName(index + 1);
    const bool fixed = link::ResolvePort(link::PortNameOfNumber(index + 1), nullptr).source ==
                       link::PortSource::kEnvironment;
    choice->setEnabled(!fixed);
    choice->setToolTip(
        fixed ? tr("Set by the environment variable %1").arg(QString::fromStdString(variable))
              : QString());
}

std::string CComSetupDlg::ChoiceValue(int index) const {
    return choices_[static_cast<std::size_t>(index)]->currentData().toString().toStdString();
}

std::string CComSetupDlg::ChosenDevice(int index) const {
    const std::string name = link::PortNameOfNumber(index + 1);
    const link::PortMapping mapping = link::ResolvePort(name, nullptr);
    if (mapping.source == link::PortSource::kEnvironment) return mapping.device;
    const std::string value = ChoiceValue(index);
    return value.empty() ? link::DefaultPortDevice(index + 1) : value;
}

void CComSetupDlg::ShowDevice(int index) {
    const auto at = static_cast<std::size_t>(index);
    const std::string device = ChosenDevice(index);
    devices_[at]->setText(QString::fromStdString(device));
    QString text = Description(device);
    if (!choices_[at]->isEnabled()) text = choices_[at]->toolTip() + QStringLiteral("; ") + text;
    descriptions_[at]->setText(text);
    buttons_[at]->setEnabled(link::IsVirtualRadioName(device) || link::PortAvailable(device));
    UpdateTabStop();
}

// What a device is: the names of its USB interface and its serial number,
// a built-in port, or that it is missing.
QString CComSetupDlg::Description(const std::string& device) const {
    if (link::IsVirtualRadioName(device)) return tr("the virtual radio inside the program");
    const int found = link::FindSerialDevice(found_, DevicesRoot, device);
    if (found < 0) {
        std::error_code ec;
        QString text = std::filesystem::exists(device, ec)
                           ? tr("not among the serial devices found")
                           : tr("not present");
        // A cable whose driver failed is why a port is missing.
        for (const link::SerialDevice& d : found_) {
            if (d.path.empty() && !d.problem.empty())
                text += QStringLiteral("; ") + QString::fromStdString(d.product + ": " + d.problem);
        }
        return text;
    }
    const link::SerialDevice& d = found_[static_cast<std::size_t>(found)];
    QStringList parts;
    if (d.IsUsb()) {
        parts << QStringLiteral("USB %1:%2")
                     .arg(QString::fromStdString(d.vendorId), QString::fromStdString(d.productId));
        for (const std::string* name : {&d.manufacturer, &d.product}) {
            if (!name->empty()) parts << QString::fromStdString(*name);
        }
        if (!d.serial.empty()) parts << tr("serial %1").arg(QString::fromStdString(d.serial));
    } else {
        parts << tr("built-in serial port");
    }
    if (device != d.path) parts << QString::fromStdString(d.path);
    if (!d.accessible)
        parts << tr("you may not open it: join group %1").arg(QString::fromStdString(d.group));
    return parts.join(QStringLiteral(", "));
}

int CComSetupDlg::TabStopIndex() const {
    const int selected = SelectedIndex();
    if (selected >= 0 && buttons_[static_cast<std::size_t>(selected)]->isEnabled()) return selected;
    for (int i = 0; i < kPortCount; ++i) {
        if (buttons_[static_cast<std::size_t>(i)]->isEnabled()) return i;
    }
    return -1;
}

void CComSetupDlg::UpdateTabStop() {
    const int stop = TabStopIndex();
    for (int i = 0; i < kPortCount; ++i) {
        buttons_[static_cast<std::size_t>(i)]->setFocusPolicy(i == stop ? Qt::StrongFocus
                                                                        : Qt::ClickFocus);
    }
}

// Arrow keys move among the enabled ports and select the one they reach, as
// automatic radio buttons do.
bool CComSetupDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const int step = key == Qt::Key_Right || key == Qt::Key_Down ? 1
                         : key == Qt::Key_Left || key == Qt::Key_Up  ? -1
                                                                     : 0;
        int from = -1;
        for (int i = 0; i < kPortCount; ++i) {
            if (watched == buttons_[static_cast<std::size_t>(i)]) from = i;
        }
        if (step != 0 && from >= 0) {
            for (int n = 1; n < kPortCount; ++n) {
                const int i = ((from + step * n) % kPortCount + kPortCount) % kPortCount;
                QRadioButton* next = buttons_[static_cast<std::size_t>(i)];
                if (!next->isEnabled()) continue;
                SelectIndex(i);
                next->setFocus(Qt::OtherFocusReason);
                break;
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

int CComSetupDlg::SelectedIndex() const {
    for (int i = 0; i < kPortCount; ++i) {
        if (buttons_[static_cast<std::size_t>(i)]->isChecked()) return i;
    }
    return -1;
}

// An index outside 0-3 selects none.
void CComSetupDlg::SelectIndex(int index) {
    for (int i = 0; i < kPortCount; ++i)
        buttons_[static_cast<std::size_t>(i)]->setChecked(i == index);
    UpdateTabStop();
}

void CComSetupDlg::accept() {
    PortIndex = SelectedIndex();
    if (setPortName_) setPortName_(link::PortNameOfNumber(PortIndex + 1));
    ++PortIndex;
    ctx_.registry->WriteDword("com", static_cast<std::uint32_t>(PortIndex));
    // Only what was changed here, so that a device named in Program.ini
    // stays as it is written; stored at once, for the command-line tool too.
    bool changed = false;
    for (int i = 0; i < kPortCount; ++i) {
        if (!choices_[static_cast<std::size_t>(i)]->isEnabled()) continue;
        const std::string value = ChoiceValue(i);
        if (value == stored_[static_cast<std::size_t>(i)]) continue;
        link::SetPortDevice(ctx_.theIni, i + 1, value);
        changed = true;
    }
    if (changed && !ctx_.theIni.FilePath().empty()) {
        // The choice holds for this run either way; only keeping it failed.
        if (const auto saved = ctx_.theIni.Save(ctx_.theIni.BackupOnSave()); !saved) {
            ctx_.services.MessageBox(this,
                                     tr("The port choice could not be stored:\n%1")
                                         .arg(QString::fromStdString(saved.detail())),
                                     QString::fromStdString(ctx_.ApplicationName),
                                     ui::MsgButtons::Ok, ui::MsgIcon::Exclamation);
        }
    }
    QDialog::accept();
}

}  // namespace qm530::link
