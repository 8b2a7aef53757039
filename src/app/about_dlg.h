#pragma once

#include <QDialog>

class QLabel;

namespace qm530 {

struct AppContext;

// The About box: caption, version, copyright and owner lines from the
// language section of Program.ini, icon from title.ico, all read afresh
// each time it opens.
class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(AppContext& ctx, QWidget* parent = nullptr);

    QLabel* IconLabel() const { return icon_; }
    QLabel* VersionLabel() const { return version_; }
    QLabel* CopyrightsLabel() const { return copyrights_; }
    QLabel* OwnerLabel() const { return owner_; }
    // True when title.ico was loaded, false when icon 128 of the pack shows.
    bool ShowsTitleIcon() const { return titleIcon_; }

  private:
    QLabel* icon_;
    QLabel* version_;
    QLabel* copyrights_;
    QLabel* owner_;
    bool titleIcon_ = false;
};

}  // namespace qm530
