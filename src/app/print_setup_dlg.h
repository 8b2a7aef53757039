#pragma once

#include <QDialog>
#include <QPageSize>
#include <QStringList>

class QComboBox;
class QLabel;
class QPrinter;
class QRadioButton;

namespace qm530::ui {
struct AppContext;
}  // namespace qm530::ui

namespace qm530::app {

// File > Print Setup: the printer, the paper and the orientation that Print
// and Print Preview use (the one printer of the context). Without an
// installed printer the dialog says so and only paper and orientation can
// be chosen; printing then keeps its PDF file printer.
class CPrintSetupDlg : public QDialog {
    Q_OBJECT
  public:
    // `printers`: the names of the installed printers (empty: none).
    CPrintSetupDlg(ui::AppContext& ctx, QPrinter& printer, const QStringList& printers,
                   QWidget* parent = nullptr);

    QComboBox* PrinterList() const { return printerList_; }
    QComboBox* PaperList() const { return paperList_; }
    QRadioButton* PortraitButton() const { return portrait_; }
    QRadioButton* LandscapeButton() const { return landscape_; }
    QLabel* NoPrinterNote() const { return noPrinter_; }
    // The printer chosen; empty without an installed printer.
    QString ChosenPrinter() const;

    void accept() override;

  private:
    void FillPapers(const QString& printerName);

    QPrinter& printer_;
    QStringList printers_;
    QComboBox* printerList_;
    QComboBox* paperList_;
    QRadioButton* portrait_;
    QRadioButton* landscape_;
    QLabel* noPrinter_;
};

}  // namespace qm530::app
