#include "link/com_setup_dlg.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "app/core/ini_file.h"
#include "app/core/registry.h"
#include "link/port_device.h"
#include "link/posix_serial_port.h"
#include "ui/app_context.h"
#include "ui/command_ids.h"
#include "ui/f1_help.h"

namespace qm530 {

CComSetupDlg::CComSetupDlg(AppContext& ctx, std::function<void(const std::string&)> setPortName,
                           QWidget* parent)
    : QDialog(parent), ctx_(ctx), setPortName_(std::move(setPortName)) {
    setObjectName(QStringLiteral("ComSetupDialog"));
    setWindowTitle(tr("COM Setup"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto* box = new QGroupBox(tr("COM"), this);
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(4);
    group_ = new QButtonGroup(this);
    group_->setExclusive(false);  // so that no button at all can be selected
    for (int i = 0; i < kPortCount; ++i) {
        const int id = kFirstButtonId + i;
        auto* button = new QRadioButton(QStringLiteral("COM%1").arg(i + 1), box);
        button->setObjectName(QStringLiteral("Radio%1").arg(id));
        button->setProperty("controlId", id);
        auto* device = new QLabel(box);
        device->setObjectName(QStringLiteral("Device%1").arg(id));
        QFont small = device->font();
        small.setPointSizeF(small.pointSizeF() * 0.85);
        device->setFont(small);
        device->setForegroundRole(QPalette::PlaceholderText);
        group_->addButton(button, i);
        button->installEventFilter(this);
        buttons_[static_cast<std::size_t>(i)] = button;
        devices_[static_cast<std::size_t>(i)] = device;
        // COM1 COM2 in the first row, COM3 COM4 in the second.
        const int row = (i / 2) * 2;
        grid->addWidget(button, row, i % 2);
        grid->addWidget(device, row + 1, i % 2);
    }
    // Automatic radio buttons: a click selects that one and only that one.
    connect(group_, &QButtonGroup::idClicked, this, [this](int index) { SelectIndex(index); });

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

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 14);
    layout->setSpacing(12);
    layout->addWidget(box);
    layout->addLayout(buttons);

    InstallF1Help(this, ctx_, [] { return cmd::kComSetup; });
}

void CComSetupDlg::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) OnInitDialog();
    QDialog::showEvent(event);
}

// Every port is probed as a transfer would open it; the registry names the
// port to preselect.
void CComSetupDlg::OnInitDialog() {
    for (int i = 0; i < kPortCount; ++i) {
        const std::string device = link::PortDevice(link::PortNameOfNumber(i + 1), ctx_.theIni);
        devices_[static_cast<std::size_t>(i)]->setText(QString::fromStdString(device));
        buttons_[static_cast<std::size_t>(i)]->setEnabled(link::PortAvailable(device));
    }
    PortIndex = static_cast<int>(ctx_.registry->ReadDword("com", 1)) - 1;
    SelectIndex(PortIndex);
    const int stop = TabStopIndex();
    if (stop >= 0) buttons_[static_cast<std::size_t>(stop)]->setFocus(Qt::TabFocusReason);
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
    QDialog::accept();
}

}  // namespace qm530
