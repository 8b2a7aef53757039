#pragma once

#include <QString>

namespace qm530::ui {

struct AppContext;

// Puts a short text where a screen reader reads it, for the results that
// no window of their own reports (the whole current channel, the end of a
// transfer): it becomes the description of the control that has the
// keyboard focus (the change is reported to assistive technology), shows
// as a tooltip beside that control, and stands in the status bar's message
// pane.
void Announce(AppContext& ctx, const QString& text);

}  // namespace qm530::ui
