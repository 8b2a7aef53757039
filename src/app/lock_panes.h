#pragma once

#include <QList>
#include <QObject>
#include <memory>

#include "app/lock_keys.h"

class QLabel;

namespace qm530::app {

// The CAP, NUM and SCRL panes of the status bar: a pane is enabled while
// its lock is on, and all stay grey where the source cannot tell (no
// source, or a query without an answer). They are brought up to date when
// a lock key is pressed or released and when the program becomes active
// (a lock may have changed in another program meanwhile).
class LockPanes : public QObject {
    Q_OBJECT
  public:
    // `panes`: CAP, NUM and SCRL, in this order.
    LockPanes(std::unique_ptr<LockKeySource> source, QList<QLabel*> panes, QObject* parent);

    void Refresh();
    bool CanTell() const { return canTell_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::unique_ptr<LockKeySource> source_;
    QList<QLabel*> panes_;
    bool canTell_ = false;
};

}  // namespace qm530::app
