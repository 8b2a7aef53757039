#pragma once

#include <QDialog>
#include <vector>

#include "link/backup_store.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace qm530::ui {
struct AppContext;
}  // namespace qm530::ui

namespace qm530::app {

// File > Open Backup: the backups of the radios read, newest first, with
// the date and time, the port, the model and band and the number of
// programmed channels. Open (or Enter, or a double click) takes the
// current one.
class CBackupsDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CBackupsDlg(ui::AppContext& ctx, QWidget* parent = nullptr);

    // The backup chosen; null before Open and when there is none.
    const link::BackupEntry* Chosen() const;

    QTreeWidget* List() const { return list_; }
    QLabel* Heading() const { return heading_; }
    QPushButton* OpenButton() const { return open_; }

  private:
    std::vector<link::BackupEntry> backups_;
    QTreeWidget* list_;
    QLabel* heading_;
    QPushButton* open_;
};

}  // namespace qm530::app
