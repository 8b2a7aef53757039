#include "settings/scan_info_dlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "settings/dialog_controls.h"
#include "settings/spin_edit.h"
#include "ui/app_context.h"
#include "ui/ui_services.h"

namespace qm530::settings {

namespace {

constexpr int kPriorityList = 1001;
constexpr int kRevertList = 1002;
constexpr int kPriorityChannelEdit = 1003;
constexpr int kLookBackAEdit = 1004;
constexpr int kLookBackBEdit = 1005;
constexpr int kDropoutDelayEdit = 1006;
constexpr int kTxDwellEdit = 1007;
constexpr int kSpinOffset = 4;  // spin 1008 belongs to edit 1004, and so on

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// Sets a text only when it differs, so the caret stays where it is.
void ShowText(QLineEdit* edit, const std::string& text) {
    const QString shown = Q(text);
    if (edit->text() != shown) edit->setText(shown);
}

}  // namespace

CScanInfoDlg::CScanInfoDlg(ui::AppContext& ctx, RadioImage& image, QWidget* parent)
    : QDialog(parent), ctx_(ctx), image_(image), logic_(ctx.UiLanguage) {
    setObjectName(QStringLiteral("ScanInfoDialog"));
    setWindowTitle(tr("Scan Infomation"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    priority_ = MakeDropList(this, kPriorityList);
    priorityChannel_ = new QLineEdit(this);
    priorityChannel_->setObjectName(QStringLiteral("Edit%1").arg(kPriorityChannelEdit));
    priorityChannel_->setProperty("controlId", kPriorityChannelEdit);
    priorityChannel_->setMaxLength(2);
    lookBackA_ = new CSpinEdit(kLookBackAEdit, kLookBackAEdit + kSpinOffset, this);
    lookBackB_ = new CSpinEdit(kLookBackBEdit, kLookBackBEdit + kSpinOffset, this);
    revert_ = MakeDropList(this, kRevertList);
    dropoutDelay_ = new CSpinEdit(kDropoutDelayEdit, kDropoutDelayEdit + kSpinOffset, this);
    txDwell_ = new CSpinEdit(kTxDwellEdit, kTxDwellEdit + kSpinOffset, this);
    dropoutDelay_->SetDigitsOnly(true);
    txDwell_->SetDigitsOnly(true);
    for (QWidget* w : std::initializer_list<QWidget*>{priority_, revert_}) w->setMinimumWidth(150);
    for (QWidget* w : std::initializer_list<QWidget*>{priorityChannel_, lookBackA_, lookBackB_,
                                                      dropoutDelay_, txDwell_})
        w->setMinimumWidth(90);

    auto* form = new QGridLayout;
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(10);
    const auto row = [&](int r, int column, const QString& label, QWidget* control) {
        form->addWidget(MakeLabel(this, label, control), r, column * 3);
        form->addWidget(control, r, column * 3 + 1);
    };
    row(0, 0, tr("Priority"), priority_);
    row(1, 0, tr("Priority Channel"), priorityChannel_);
    row(2, 0, tr("Look Back Time A"), lookBackA_);
    row(3, 0, tr("Look Back Time B"), lookBackB_);
    row(0, 1, tr("Revert Channel"), revert_);
    row(1, 1, tr("Dropout Delay Time"), dropoutDelay_);
    row(2, 1, tr("Tx Dwell Time"), txDwell_);
    form->setColumnMinimumWidth(2, 18);

    const auto [ok, cancel] = LayOutWithOkCancel(this, form, tr("OK"), tr("Cancel"));

    QWidget* order[] = {priority_,     priorityChannel_, lookBackA_, lookBackB_, revert_,
                        dropoutDelay_, txDwell_,         ok,         cancel};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    connect(priority_, &QComboBox::currentIndexChanged, this, &CScanInfoDlg::OnPriorityChanged);
    for (const ScanField field : {ScanField::LookBackA, ScanField::LookBackB,
                                  ScanField::DropoutDelay, ScanField::TxDwell}) {
        CSpinEdit* edit = TimeEdit(field);
        connect(edit, &CSpinEdit::Stepped, this,
                [this, field](int direction) { OnSpin(field, direction); });
        connect(edit, &CSpinEdit::FocusLeft, this, [this, field] { OnLeave(field); });
    }
}

CSpinEdit* CScanInfoDlg::TimeEdit(ScanField field) const {
    switch (field) {
        case ScanField::LookBackA:
            return lookBackA_;
        case ScanField::LookBackB:
            return lookBackB_;
        case ScanField::DropoutDelay:
            return dropoutDelay_;
        case ScanField::TxDwell:
            return txDwell_;
        case ScanField::PriorityChannel:
            break;
    }
    return nullptr;
}

void CScanInfoDlg::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) OnInitDialog();
    QDialog::showEvent(event);
}

void CScanInfoDlg::OnInitDialog() {
    closing_ = false;
    FillDropList(priority_, PriorityItems(ctx_.UiLanguage));
    logic_.Load(image_);
    FormToControls();
}

void CScanInfoDlg::OnPriorityChanged(int position) {
    if (busy_) return;
    busy_ = true;
    ControlsToForm();
    logic_.SelectPriority(position);
    FormToControls();
    busy_ = false;
}

// The spin never changes the edit itself: the logic steps the value.
void CScanInfoDlg::OnSpin(ScanField field, int direction) {
    if (busy_) return;
    busy_ = true;
    ControlsToForm();
    const ScanOutcome outcome =
        logic_.Spin(field, direction > 0 ? SpinDirection::Up : SpinDirection::Down);
    FormToControls();
    Report(outcome);
    busy_ = false;
}

void CScanInfoDlg::OnLeave(ScanField field) {
    if (busy_ || closing_ || !isVisible()) return;
    busy_ = true;
    ControlsToForm();
    const ScanOutcome outcome = logic_.LeaveField(field);
    FormToControls();
    Report(outcome);
    busy_ = false;
}

void CScanInfoDlg::accept() {
    if (busy_) return;
    busy_ = true;
    ControlsToForm();
    TextSelection selection;
    if (priorityChannel_->hasSelectedText()) {
        selection.start = static_cast<std::size_t>(priorityChannel_->selectionStart());
        selection.length = static_cast<std::size_t>(priorityChannel_->selectedText().size());
    }
    const ScanOutcome outcome = logic_.Ok(image_, selection);
    FormToControls();
    Report(outcome);
    busy_ = false;
    if (!outcome.refused) QDialog::accept();
}

void CScanInfoDlg::done(int result) {
    closing_ = true;
    QDialog::done(result);
}

void CScanInfoDlg::ControlsToForm() {
    ScanInfoForm& form = logic_.form();
    form.priority = priority_->currentIndex();
    form.priorityChannel = priorityChannel_->text().toStdString();
    form.lookBackA = lookBackA_->Text().toStdString();
    form.lookBackB = lookBackB_->Text().toStdString();
    form.revert = revert_->currentIndex();
    form.dropoutDelay = dropoutDelay_->Text().toStdString();
    form.txDwell = txDwell_->Text().toStdString();
}

void CScanInfoDlg::FormToControls() {
    const ScanInfoForm& form = logic_.form();
    SelectPosition(priority_, form.priority);
    ShowText(priorityChannel_, form.priorityChannel);
    lookBackA_->SetText(Q(form.lookBackA));
    lookBackB_->SetText(Q(form.lookBackB));
    dropoutDelay_->SetText(Q(form.dropoutDelay));
    txDwell_->SetText(Q(form.txDwell));

    bool sameItems = revert_->count() == static_cast<int>(form.revertItems.size());
    for (int i = 0; sameItems && i < revert_->count(); ++i)
        sameItems = revert_->itemText(i) == Q(form.revertItems[static_cast<std::size_t>(i)]);
    if (!sameItems) FillDropList(revert_, form.revertItems);
    SelectPosition(revert_, form.revert);

    priorityChannel_->setEnabled(form.priorityChannelEnabled);
    lookBackA_->setEnabled(form.lookBackEnabled);
    lookBackB_->setEnabled(form.lookBackEnabled);
}

// The prompt of a field that held no number, then the refusal of OK; both
// in the standard message box with the program's name as caption.
void CScanInfoDlg::Report(const ScanOutcome& outcome) {
    const QString caption = Q(ctx_.ApplicationName);
    const std::string prompt = outcome.InvalidNumberPrompt(ctx_.UiLanguage);
    if (!prompt.empty())
        ctx_.services.MessageBox(this, Q(prompt), caption, ui::MsgButtons::Ok,
                                 ui::MsgIcon::Exclamation);
    const std::string refusal = outcome.RefusalMessage(ctx_.UiLanguage);
    if (!refusal.empty())
        ctx_.services.MessageBox(this, Q(refusal), caption, ui::MsgButtons::Ok,
                                 ui::MsgIcon::Exclamation);
}

}  // namespace qm530::settings
