#pragma once

#include <functional>

class QWidget;

namespace qm530::ui {

struct AppContext;

// The help topic of the widget with the keyboard focus inside `window`:
// the "helpId" property of that widget or of its nearest parent that has
// one; 0 when none has.
int FocusedHelpId(const QWidget* window);

// F1 inside `window` (a dialog or view) opens help at topic(); without a
// topic function, at FocusedHelpId(window).
void InstallF1Help(QWidget* window, AppContext& ctx, std::function<int()> topic = {});

}  // namespace qm530::ui
