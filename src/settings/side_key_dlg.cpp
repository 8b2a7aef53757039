#include "settings/side_key_dlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QShowEvent>

#include "settings/dialog_controls.h"
#include "settings/side_keys.h"
#include "ui/app_context.h"

namespace qm530::settings {

namespace {
constexpr int kKey1List = 1009;
constexpr int kKey2List = 1010;
}  // namespace

CSideKeyDlg::CSideKeyDlg(ui::AppContext& ctx, RadioImage& image, QWidget* parent)
    : QDialog(parent), ctx_(ctx), image_(image) {
    setObjectName(QStringLiteral("SideKeyDialog"));
    setWindowTitle(tr("Side Key"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    key1_ = MakeDropList(this, kKey1List);
    key2_ = MakeDropList(this, kKey2List);
    key1_->setMinimumWidth(170);
    key2_->setMinimumWidth(170);
    auto* form = new QGridLayout;
    form->setHorizontalSpacing(14);
    form->setVerticalSpacing(10);
    form->addWidget(MakeLabel(this, tr("Side Key 1"), key1_), 0, 0);
    form->addWidget(key1_, 0, 1);
    form->addWidget(MakeLabel(this, tr("Side Key 2"), key2_), 1, 0);
    form->addWidget(key2_, 1, 1);
    form->setColumnStretch(1, 1);

    LayOutWithOkCancel(this, form, tr("OK"), tr("Cancel"));
}

void CSideKeyDlg::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) OnInitDialog();
    QDialog::showEvent(event);
}

void CSideKeyDlg::OnInitDialog() {
    const std::vector<std::string> items = SideKeyItems(ctx_.UiLanguage);
    FillDropList(key1_, items);
    FillDropList(key2_, items);
    const SideKeysForm form = LoadSideKeys(image_);
    SelectPosition(key1_, form.key1);
    SelectPosition(key2_, form.key2);
}

void CSideKeyDlg::accept() {
    StoreSideKeys({key1_->currentIndex(), key2_->currentIndex()}, image_);
    QDialog::accept();
}

}  // namespace qm530::settings
