#include "ui/f1_help.h"

#include <QApplication>
#include <QShortcut>
#include <QWidget>

#include "ui/app_context.h"

namespace qm530::ui {

int FocusedHelpId(const QWidget* window) {
    const QWidget* w = QApplication::focusWidget();
    if (w == nullptr || (w != window && !window->isAncestorOf(w))) w = window;
    for (; w != nullptr; w = w->parentWidget()) {
        bool ok = false;
        const int id = w->property("helpId").toInt(&ok);
        if (ok && id != 0) return id;
        if (w == window) break;
    }
    return 0;
}

void InstallF1Help(QWidget* window, AppContext& ctx, std::function<int()> topic) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F1), window);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(shortcut, &QShortcut::activated, window, [window, &ctx, topic] {
        ctx.help.ShowHelpTopic(topic ? topic() : FocusedHelpId(window));
    });
}

}  // namespace qm530::ui
