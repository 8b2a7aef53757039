#include "ui/announce.h"

#include <QApplication>
#include <QToolTip>
#include <QWidget>

#include "ui/app_context.h"

namespace qm530::ui {

void Announce(AppContext& ctx, const QString& text) {
    if (QWidget* focus = QApplication::focusWidget()) {
        // Screen readers read a change of the focused object's description
        // at once, and a tooltip as it appears.
        focus->setAccessibleDescription(text);
        QToolTip::showText(focus->mapToGlobal(QPoint(0, focus->height())), text, focus);
    }
    emit ctx.events.Announced(text);
}

}  // namespace qm530::ui
