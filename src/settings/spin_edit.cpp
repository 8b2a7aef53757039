#include "settings/spin_edit.h"

#include <QFocusEvent>
#include <QLineEdit>

namespace qm530::settings {

CSpinEdit::CSpinEdit(int editId, int spinId, QWidget* parent) : QAbstractSpinBox(parent) {
    setObjectName(QStringLiteral("Edit") + QString::number(editId));
    setProperty("controlId", editId);
    setProperty("spinId", spinId);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setKeyboardTracking(true);
    setAccelerated(false);
    setWrapping(false);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
}

void CSpinEdit::SetText(const QString& text) {
    if (lineEdit()->text() != text) lineEdit()->setText(text);
}

void CSpinEdit::stepBy(int steps) {
    if (steps != 0) emit Stepped(steps > 0 ? 1 : -1);
}

QValidator::State CSpinEdit::validate(QString& input, int&) const {
    if (!digitsOnly_) return QValidator::Acceptable;
    for (const QChar c : input) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return QValidator::Invalid;
    }
    return QValidator::Acceptable;
}

void CSpinEdit::fixup(QString&) const {}

QAbstractSpinBox::StepEnabled CSpinEdit::stepEnabled() const {
    return isEnabled() ? (StepUpEnabled | StepDownEnabled) : StepNone;
}

void CSpinEdit::focusOutEvent(QFocusEvent* event) {
    QAbstractSpinBox::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason) emit FocusLeft();
}

}  // namespace qm530::settings
