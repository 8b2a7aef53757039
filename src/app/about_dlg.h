#pragma once

#include <QDialog>

class QLabel;

namespace qm530::ui {
struct AppContext;
}  // namespace qm530::ui

namespace qm530::app {

// The About box: caption, version, copyright and owner lines from the
// language section of Program.ini, icon from title.ico, all read afresh
// each time it opens.
class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(ui::AppContext& ctx, QWidget* parent = nullptr);

    // True when title.ico was loaded, false when icon 128 of the pack shows.

  private:
    QLabel* icon_;
    QLabel* version_;
    QLabel* copyrights_;
    QLabel* owner_;
};

}  // namespace qm530::app
