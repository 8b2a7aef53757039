#include "app/lock_panes.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>

namespace qm530::app {

LockPanes::LockPanes(std::unique_ptr<LockKeySource> source, QList<QLabel*> panes, QObject* parent)
    : QObject(parent), source_(std::move(source)), panes_(std::move(panes)) {
    Refresh();
    if (source_) qApp->installEventFilter(this);
}

void LockPanes::Refresh() {
    const std::optional<LockKeyStates> states = source_ ? source_->Query() : std::nullopt;
    canTell_ = states.has_value();
    const bool on[] = {states && states->caps, states && states->num, states && states->scroll};
    for (int i = 0; i < panes_.size() && i < 3; ++i) {
        if (panes_[i]) panes_[i]->setEnabled(on[i]);
    }
}

bool LockPanes::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            switch (static_cast<QKeyEvent*>(event)->key()) {
                case Qt::Key_CapsLock:
                case Qt::Key_NumLock:
                case Qt::Key_ScrollLock:
                    Refresh();
                    break;
                default:
                    break;
            }
            break;
        case QEvent::ApplicationActivate:
            Refresh();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace qm530::app
