#include "settings/password_dlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/app_context.h"
#include "ui/command_ids.h"
#include "ui/ui_services.h"

namespace qm530::settings {

CPasswordDlg::CPasswordDlg(ui::AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("PasswordDialog"));
    setWindowTitle(tr("Password"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto* label = new QLabel(tr("Password"), this);
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("Edit1009"));
    edit_->setProperty("helpId", ui::ctl::kPasswordEdit);
    // The code shows as typed; it is no masked field.
    edit_->setEchoMode(QLineEdit::Normal);
    edit_->setMaxLength(6);
    label->setBuddy(edit_);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    ok->setAutoDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &CPasswordDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* field = new QHBoxLayout;
    field->addWidget(label);
    field->addWidget(edit_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(14);
    layout->addLayout(field);
    layout->addLayout(buttons);
    setMinimumWidth(260);
}

void CPasswordDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    edit_->setMaxLength(6);
    edit_->setFocus(Qt::OtherFocusReason);
}

void CPasswordDlg::accept() {
    // Exact comparison: no trimming, case counts.
    if (edit_->text().toUtf8() == QByteArray(kAccessCode)) {
        Accepted = true;
        QDialog::accept();
        return;
    }
    ctx_.services.MessageBox(this, tr("Password Error"), tr("Error"), ui::MsgButtons::Ok,
                             ui::MsgIcon::None);
    edit_->setFocus(Qt::OtherFocusReason);
}

}  // namespace qm530::settings
