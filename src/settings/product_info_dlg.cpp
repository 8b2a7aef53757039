#include "settings/product_info_dlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QShowEvent>
#include <climits>

#include "model/band.h"
#include "settings/dialog_controls.h"
#include "settings/product_catalog.h"
#include "ui/app_context.h"
#include "ui/command_ids.h"
#include "ui/f1_help.h"

namespace qm530::settings {

namespace {

// A list position as the registry keeps it: no selection is 0xFFFFFFFF.
std::uint32_t RegistryPosition(int position) {
    return static_cast<std::uint32_t>(position);
}

int ListPosition(std::uint32_t registryValue) {
    return registryValue > static_cast<std::uint32_t>(INT_MAX) ? -1
                                                               : static_cast<int>(registryValue);
}

}  // namespace

CProductInfoDlg::CProductInfoDlg(ui::AppContext& ctx, ProductInfoTarget target, QWidget* parent)
    : QDialog(parent), ctx_(ctx), target_(target) {
    setObjectName(QStringLiteral("ProductInfoDialog"));
    setWindowTitle(tr("Product Information"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto* group = new QGroupBox(tr("Setting"), this);
    typeList_ = MakeDropList(group, ui::ctl::kTypeList);
    frequencyList_ = MakeDropList(group, ui::ctl::kFrequencyList);
    typeList_->setMinimumWidth(150);
    frequencyList_->setMinimumWidth(150);
    auto* fields = new QGridLayout(group);
    fields->setHorizontalSpacing(14);
    fields->setVerticalSpacing(10);
    fields->addWidget(MakeLabel(group, tr("Type"), typeList_), 0, 0);
    fields->addWidget(typeList_, 0, 1);
    fields->addWidget(MakeLabel(group, tr("Frequency"), frequencyList_), 1, 0);
    fields->addWidget(frequencyList_, 1, 1);
    fields->setColumnStretch(1, 1);

    LayOutWithOkCancel(this, group, tr("OK"), tr("Cancel"), 12);

    connect(typeList_, &QComboBox::currentIndexChanged, this, &CProductInfoDlg::OnTypeChanged);
    EnableControlHelp(this);
    ui::InstallF1Help(this, ctx_);
}

void CProductInfoDlg::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) OnInitDialog();
    QDialog::showEvent(event);
}

// Opens on the remembered choice, not on the image's bytes.
void CProductInfoDlg::OnInitDialog() {
    FillDropList(typeList_, ModelList(ProductCatalog::Of(ctx_.theIni)));
    const std::uint32_t type = ctx_.registry->ReadDword("Type", 0);
    const std::uint32_t field = ctx_.registry->ReadDword("Field", 0);
    SelectPosition(typeList_, ListPosition(type));
    OnTypeChanged();
    SelectPosition(frequencyList_, ListPosition(field));
}

// The bands of the model now selected; the first one is selected.
void CProductInfoDlg::OnTypeChanged() {
    FillDropList(frequencyList_,
                 BandList(ProductCatalog::Of(ctx_.theIni), typeList_->currentIndex()));
    SelectPosition(frequencyList_, 0);
}

void CProductInfoDlg::accept() {
    const int model = typeList_->currentIndex();
    const int band = frequencyList_->currentIndex();
    if (target_.image) {
        (*target_.image)[addr::kProductType] = static_cast<std::uint8_t>(model & 0xFF);
        (*target_.image)[addr::kBandIndex] = static_cast<std::uint8_t>(band & 0xFF);
    }
    const std::string modelText =
        model >= 0 ? typeList_->currentText().toStdString() : std::string();
    const std::string bandText =
        band >= 0 ? frequencyList_->currentText().toStdString() : std::string();

    // The caption of this choice always carries the English labels.
    const std::string title =
        BuildWindowTitle(ctx_.LanguageValue("AppName"), modelText, bandText, false);
    ctx_.WindowTitle = title;
    emit ctx_.events.CaptionChanged(QString::fromStdString(title));

    const BandLimits limits = BandLimitsOfText(bandText);
    if (target_.bandLow) *target_.bandLow = limits.low;
    if (target_.bandHigh) *target_.bandHigh = limits.high;

    ctx_.registry->WriteDword("Type", RegistryPosition(model));
    ctx_.registry->WriteDword("Field", RegistryPosition(band));
    QDialog::accept();
}

}  // namespace qm530::settings
