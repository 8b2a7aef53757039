#include "link/process_dlg.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace qm530::link {

namespace {

// The window's height, and what the step line adds to it.
constexpr int kHeight = 124;
constexpr int kStepHeight = 30;

}  // namespace

CProcessDlg::CProcessDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ProcessDialog"));
    setWindowTitle(tr("Process"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setModal(false);

    stepText_ = new QLabel(this);
    stepText_->setObjectName(QStringLiteral("StepText"));
    stepText_->hide();
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("Progress1001"));
    // A screen reader hears the bar by name and follows its value.
    bar_->setAccessibleName(tr("Progress"));
    bar_->setTextVisible(false);
    bar_->setFixedHeight(16);
    counter_ = new QLabel(QStringLiteral("0"), this);
    counter_->setObjectName(QStringLiteral("Static1009"));
    counter_->setAlignment(Qt::AlignCenter);
    counter_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    counter_->setFixedWidth(64);
    ok_ = new QPushButton(tr("OK"), this);
    ok_->setObjectName(QStringLiteral("OkButton"));
    ok_->setDefault(true);
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("CancelButton"));
    cancel_->setAutoDefault(false);
    connect(ok_, &QPushButton::clicked, this, &CProcessDlg::accept);
    connect(cancel_, &QPushButton::clicked, this, &CProcessDlg::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok_);
    buttons->addStretch(1);
    buttons->addWidget(counter_);
    buttons->addStretch(1);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 28, 36, 20);
    layout->setSpacing(18);
    layout->addWidget(stepText_);
    layout->addWidget(bar_);
    layout->addLayout(buttons);
    setFixedSize(340, kHeight);
}

void CProcessDlg::Create(QWidget* owner) {
    owner_ = owner;
    SetRange(0, 64);
    SetPos(0);
    SetStep(1);
    SetCounterText(QStringLiteral("0"));
    SetStepText(QString());
    setWindowTitle(TransferTitle);
    CancelRequested = false;
    started_ = false;
    UpdateOk();
    ok_->setDefault(true);
    exists_ = true;
}

void CProcessDlg::ShowCentred() {
    show();
    if (owner_) move(owner_->frameGeometry().center() - rect().center());
    raise();
    activateWindow();
}

void CProcessDlg::DestroyWindow() {
    exists_ = false;
    hide();
}

bool CProcessDlg::Running() const {
    return exists_ && started_;
}

void CProcessDlg::HoldOk(bool held) {
    okHeld_ = held;
    UpdateOk();
}

void CProcessDlg::BackToReady() {
    started_ = false;
    UpdateOk();
}

void CProcessDlg::UpdateOk() {
    ok_->setEnabled(!started_ && !okHeld_);
}

void CProcessDlg::SetRange(int low, int high) {
    low_ = low;
    high_ = high;
    bar_->setRange(low, high);
    SetPos(position_);
}

void CProcessDlg::SetPos(int position) {
    position_ = std::clamp(position, low_, std::max(low_, high_));
    bar_->setValue(position_);
}

void CProcessDlg::SetStep(int step) {
    step_ = step;
}

int CProcessDlg::StepIt() {
    int next = position_ + step_;
    if (next > high_) next = low_ + (next - high_);
    SetPos(next);
    return position_;
}

void CProcessDlg::SetCounterText(const QString& text) {
    counter_->setText(text);
}

void CProcessDlg::SetStepText(const QString& text) {
    stepText_->setText(text);
    stepText_->setVisible(!text.isEmpty());
    setFixedSize(340, text.isEmpty() ? kHeight : kHeight + kStepHeight);
}

// OK: the transfer starts; the window stays open with OK disabled.
void CProcessDlg::accept() {
    if (!exists_ || started_ || okHeld_) return;
    started_ = true;
    UpdateOk();
    emit TransferRequested();
}

// Before OK, Cancel closes the window; during the transfer it asks the
// transfer to stop, and the transfer closes the window.
void CProcessDlg::reject() {
    if (!exists_) return;
    CancelRequested = true;
    if (!started_) DestroyWindow();
}

// While the transfer runs, Esc and Enter do nothing; the Cancel button and
// the close box still work.
void CProcessDlg::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (Running() && (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace qm530::link
