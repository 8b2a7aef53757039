#include "settings/optional_features_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "settings/dialog_controls.h"
#include "ui/app_context.h"
#include "ui/command_ids.h"
#include "ui/f1_help.h"

namespace qm530::settings {

namespace {

struct ListControl {
    FeatureList list;
    int id;
    const char* label;
    bool shown;
};

// In the order the lists are filled.
constexpr std::array<ListControl, kFeatureListCount> kListControls = {{
    {FeatureList::SquelchTune, ui::ctl::kSquelchTune,
     QT_TRANSLATE_NOOP("qm530::settings::COptionalFeaturesDlg", "Squelch Tune"), false},
    {FeatureList::TimeOutTimer, ui::ctl::kTimeOutTimer,
     QT_TRANSLATE_NOOP("qm530::settings::COptionalFeaturesDlg", "Time-Out Timer"), true},
    {FeatureList::TotPreAlert, ui::ctl::kTotPreAlert,
     QT_TRANSLATE_NOOP("qm530::settings::COptionalFeaturesDlg", "TOT Pre-Alert"), true},
    {FeatureList::SquelchLevel, ui::ctl::kSquelchLevel,
     QT_TRANSLATE_NOOP("qm530::settings::COptionalFeaturesDlg", "Squelch Level"), true},
    {FeatureList::VoxGain, ui::ctl::kVoxGainLevel,
     QT_TRANSLATE_NOOP("qm530::settings::COptionalFeaturesDlg", "Vox Gain Level"), true},
    {FeatureList::CallTone, ui::ctl::kCallTone,
     QT_TRANSLATE_NOOP("qm530::settings::COptionalFeaturesDlg", "Call Tone"), false},
    {FeatureList::VoxDelay, ui::ctl::kVoxDelayTime,
     QT_TRANSLATE_NOOP("qm530::settings::COptionalFeaturesDlg", "Vox Delay Time"), true},
    {FeatureList::Voice, ui::ctl::kVoiceAnnunciation,
     QT_TRANSLATE_NOOP("qm530::settings::COptionalFeaturesDlg", "Voice Annunciation"), true},
}};

// Where the visible lists sit: row and column pair of the form.
struct Cell {
    FeatureList list;
    int row;
    int column;
};
constexpr std::array<Cell, 6> kVisibleCells = {{
    {FeatureList::TimeOutTimer, 0, 0},
    {FeatureList::TotPreAlert, 1, 0},
    {FeatureList::SquelchLevel, 2, 0},
    {FeatureList::Voice, 3, 0},
    {FeatureList::VoxGain, 0, 1},
    {FeatureList::VoxDelay, 1, 1},
}};

}  // namespace

COptionalFeaturesDlg::COptionalFeaturesDlg(ui::AppContext& ctx, RadioImage& image, QWidget* parent)
    : QDialog(parent), ctx_(ctx), image_(image) {
    setObjectName(QStringLiteral("OptionalFeaturesDialog"));
    setWindowTitle(tr("Optional Features"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    std::array<QLabel*, kFeatureListCount> labels{};
    for (const ListControl& c : kListControls) {
        const auto i = static_cast<std::size_t>(c.list);
        lists_[i] = MakeDropList(this, c.id);
        lists_[i]->setMinimumWidth(110);
        labels[i] = MakeLabel(this, tr(c.label), lists_[i]);
        if (!c.shown) {
            lists_[i]->hide();
            labels[i]->hide();
        }
    }
    beep_ = MakeCheckBox(this, ui::ctl::kBeep, tr("Beep"));
    batterySaver_ = MakeCheckBox(this, ui::ctl::kBatterySaver, tr("Battery Saver"));

    auto* form = new QGridLayout;
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(10);
    for (const Cell& cell : kVisibleCells) {
        const auto i = static_cast<std::size_t>(cell.list);
        form->addWidget(labels[i], cell.row, cell.column * 3);
        form->addWidget(lists_[i], cell.row, cell.column * 3 + 1);
    }
    form->setColumnMinimumWidth(2, 18);
    form->addWidget(beep_, 2, 3, 1, 2);
    form->addWidget(batterySaver_, 3, 3, 1, 2);

    const auto [ok, cancel] = LayOutWithOkCancel(this, form, tr("OK"), tr("Cancel"));

    // Keyboard order: down the left column, then the right one.
    QWidget* order[] = {List(FeatureList::TimeOutTimer),
                        List(FeatureList::TotPreAlert),
                        List(FeatureList::SquelchLevel),
                        List(FeatureList::Voice),
                        List(FeatureList::VoxGain),
                        List(FeatureList::VoxDelay),
                        beep_,
                        batterySaver_,
                        ok,
                        cancel};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    EnableControlHelp(this);
    ui::InstallF1Help(this, ctx_);
}

void COptionalFeaturesDlg::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) OnInitDialog();
    QDialog::showEvent(event);
}

void COptionalFeaturesDlg::OnInitDialog() {
    for (const ListControl& c : kListControls)
        FillDropList(List(c.list), FeatureListItems(c.list, ctx_.UiLanguage));
    const OptionalFeaturesForm form = LoadOptionalFeatures(image_);
    for (const ListControl& c : kListControls) SelectPosition(List(c.list), form[c.list]);
    beep_->setChecked(form.beep);
    batterySaver_->setChecked(form.batterySaver);
}

void COptionalFeaturesDlg::accept() {
    OptionalFeaturesForm form;
    for (const ListControl& c : kListControls) form[c.list] = List(c.list)->currentIndex();
    form.beep = beep_->isChecked();
    form.batterySaver = batterySaver_->isChecked();
    StoreOptionalFeatures(form, image_);
    QDialog::accept();
}

}  // namespace qm530::settings
