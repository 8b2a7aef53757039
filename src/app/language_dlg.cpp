#include "app/language_dlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "config/ini_file.h"
#include "ui/app_context.h"
#include "ui/command_ids.h"
#include "ui/f1_help.h"

namespace qm530::app {

CLanguageDlg::CLanguageDlg(ui::AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("LanguageDialog"));
    setWindowTitle(tr("Language"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    english_ = new QRadioButton(tr("English"), this);
    english_->setObjectName(QStringLiteral("Radio1006"));
    chinese_ = new QRadioButton(tr("Chinese"), this);
    chinese_->setObjectName(QStringLiteral("Radio1007"));
    auto* group = new QButtonGroup(this);
    group->addButton(english_, 0);
    group->addButton(chinese_, 1);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    connect(ok, &QPushButton::clicked, this, &CLanguageDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* radios = new QHBoxLayout;
    radios->addStretch(1);
    radios->addWidget(english_);
    radios->addStretch(2);
    radios->addWidget(chinese_);
    radios->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addStretch(2);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addSpacing(10);
    layout->addLayout(radios);
    layout->addSpacing(14);
    layout->addLayout(buttons);
    setMinimumSize(240, 122);

    ui::InstallF1Help(this, ctx_, [] { return ui::cmd::kLanguage; });
}

void CLanguageDlg::showEvent(QShowEvent* event) {
    LanguageIndex = ctx_.Chinese() ? 1 : 0;
    (LanguageIndex == 1 ? chinese_ : english_)->setChecked(true);
    QDialog::showEvent(event);
}

void CLanguageDlg::accept() {
    LanguageIndex = chinese_->isChecked() ? 1 : english_->isChecked() ? 0 : -1;
    const int running = ctx_.Chinese() ? 1 : 0;
    if (LanguageIndex != running) {
        LanguageChanged = true;
        ctx_.theIni.SetValue("Setup", "Language", running == 1 ? "English" : "Chinese");
    }
    QDialog::accept();
}

}  // namespace qm530::app
