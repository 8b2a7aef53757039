#include "settings/dialog_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/command_ids.h"

namespace qm530::settings {

namespace {

void SetControlId(QWidget* control, const QString& kind, int id) {
    control->setObjectName(kind + QString::number(id));
    control->setProperty("controlId", id);
}

// The common frame of every settings dialog; `addBody` puts the body into it.
template <typename AddBody>
OkCancelButtons LayOut(QDialog* dialog, const QString& okText, const QString& cancelText,
                       int spacing, AddBody addBody) {
    QPushButton* ok = MakeOkButton(dialog, okText);
    QPushButton* cancel = MakeCancelButton(dialog, cancelText);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(spacing);
    addBody(layout);
    layout->addLayout(buttons);
    return {ok, cancel};
}

}  // namespace

QComboBox* MakeDropList(QWidget* parent, int id) {
    auto* list = new QComboBox(parent);
    SetControlId(list, QStringLiteral("Combo"), id);
    list->setEditable(false);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    list->setMaxVisibleItems(12);
    return list;
}

QCheckBox* MakeCheckBox(QWidget* parent, int id, const QString& text) {
    auto* box = new QCheckBox(text, parent);
    SetControlId(box, QStringLiteral("Check"), id);
    return box;
}

QPushButton* MakeOkButton(QWidget* parent, const QString& text) {
    auto* ok = new QPushButton(text, parent);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setProperty("controlId", ui::ctl::kOk);
    ok->setDefault(true);
    ok->setAutoDefault(true);
    return ok;
}

QPushButton* MakeCancelButton(QWidget* parent, const QString& text) {
    auto* cancel = new QPushButton(text, parent);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setProperty("controlId", ui::ctl::kCancel);
    cancel->setAutoDefault(false);
    return cancel;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

void EnableControlHelp(QWidget* dialog) {
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        const QVariant id = w->property("controlId");
        if (id.isValid()) w->setProperty("helpId", id);
    }
}

void FillDropList(QComboBox* list, const std::vector<std::string>& items) {
    const QSignalBlocker quiet(list);
    list->clear();
    for (const std::string& item : items) list->addItem(QString::fromStdString(item));
    list->setCurrentIndex(-1);
}

void SelectPosition(QComboBox* list, int position) {
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
}

OkCancelButtons LayOutWithOkCancel(QDialog* dialog, QLayout* body, const QString& okText,
                                   const QString& cancelText, int spacing) {
    return LayOut(dialog, okText, cancelText, spacing,
                  [body](QVBoxLayout* layout) { layout->addLayout(body); });
}

OkCancelButtons LayOutWithOkCancel(QDialog* dialog, QWidget* body, const QString& okText,
                                   const QString& cancelText, int spacing) {
    return LayOut(dialog, okText, cancelText, spacing,
                  [body](QVBoxLayout* layout) { layout->addWidget(body); });
}

}  // namespace qm530::settings
