#pragma once

#include <QAbstractSpinBox>

namespace qm530::settings {

// A number edit with an up-down button pair at its right edge. The widget
// never changes its text itself: the arrows (mouse, Up/Down keys, wheel)
// only report a step, and the dialog decides what the edit shows next.
// Losing the keyboard focus is reported as well.
class CSpinEdit : public QAbstractSpinBox {
    Q_OBJECT
  public:
    // `editId` names the edit ("Edit1004"), `spinId` its buttons.
    CSpinEdit(int editId, int spinId, QWidget* parent = nullptr);

    // Digits only (the integer time fields); off by default.
    void SetDigitsOnly(bool on) { digitsOnly_ = on; }

    void SetText(const QString& text);
    QString Text() const { return text(); }

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

  signals:
    // +1 for the up arrow, -1 for the down arrow.
    void Stepped(int direction);
    void FocusLeft();

  protected:
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    bool digitsOnly_ = false;
};

}  // namespace qm530::settings
