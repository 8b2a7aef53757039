#pragma once

#include <QDialog>
#include <QStringList>

#include "model/language.h"
#include "settings/image_diff.h"

class QListWidget;
class QRadioButton;

namespace qm530::editor {

// File > Compare asks first what to compare the document with: a .dat file
// (the default) or the radio.
class CCompareSourceDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CCompareSourceDlg(QWidget* parent = nullptr);

    bool WithRadio() const;

  private:
    QRadioButton* file_ = nullptr;
    QRadioButton* radio_ = nullptr;
};

// The differences between the document and the other configuration, one
// line each as `qm530 diff` prints them (document before the arrow, the
// other one after it), in the language of the program; or a line saying
// that the configurations are the same.
class CCompareDlg : public QDialog {
    Q_OBJECT
  public:
    // `otherName`: the file name, or empty for the radio.
    CCompareDlg(const settings::ImageDiff& diff, UiLanguage lang, const QString& otherName,
                QWidget* parent = nullptr);

    // The lines listed, as shown.
    QStringList Lines() const;
    QListWidget* List() const { return list_; }

  private:
    QListWidget* list_ = nullptr;
};

}  // namespace qm530::editor
