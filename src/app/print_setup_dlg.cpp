#include "app/print_setup_dlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/app_context.h"
#include "ui/command_ids.h"
#include "ui/f1_help.h"

namespace qm530::app {

namespace {

// The papers offered when the printer names none (or there is no printer).
QList<QPageSize> CommonPapers() {
    QList<QPageSize> papers;
    for (QPageSize::PageSizeId id : {QPageSize::A4, QPageSize::A5, QPageSize::B5, QPageSize::Letter,
                                     QPageSize::Legal, QPageSize::Executive})
        papers.push_back(QPageSize(id));
    return papers;
}

}  // namespace

CPrintSetupDlg::CPrintSetupDlg(ui::AppContext& ctx, QPrinter& printer, const QStringList& printers,
                               QWidget* parent)
    : QDialog(parent), printer_(printer), printers_(printers) {
    setObjectName(QStringLiteral("PrintSetupDialog"));
    setWindowTitle(tr("Print Setup"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    printerList_ = new QComboBox(this);
    printerList_->setObjectName(QStringLiteral("PrinterList"));
    noPrinter_ = new QLabel(this);
    noPrinter_->setObjectName(QStringLiteral("NoPrinterNote"));
    noPrinter_->setWordWrap(true);
    if (printers_.isEmpty()) {
        printerList_->addItem(tr("(no printer)"));
        printerList_->setEnabled(false);
        noPrinter_->setText(
            tr("No printer is installed. Print and Print Preview keep "
               "working with the PDF file printer."));
    } else {
        printerList_->addItems(printers_);
        QString current = printer_.printerName();
        if (!printers_.contains(current)) current = QPrinterInfo::defaultPrinterName();
        printerList_->setCurrentIndex(std::max<qsizetype>(0, printers_.indexOf(current)));
        noPrinter_->hide();
    }
    paperList_ = new QComboBox(this);
    paperList_->setObjectName(QStringLiteral("PaperList"));
    FillPapers(ChosenPrinter());
    connect(printerList_, &QComboBox::currentTextChanged, this,
            [this] { FillPapers(ChosenPrinter()); });

    portrait_ = new QRadioButton(tr("P&ortrait"), this);
    portrait_->setObjectName(QStringLiteral("PortraitButton"));
    landscape_ = new QRadioButton(tr("&Landscape"), this);
    landscape_->setObjectName(QStringLiteral("LandscapeButton"));
    auto* group = new QButtonGroup(this);
    group->addButton(portrait_);
    group->addButton(landscape_);
    (printer_.pageLayout().orientation() == QPageLayout::Landscape ? landscape_ : portrait_)
        ->setChecked(true);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CPrintSetupDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    auto* printerLabel = new QLabel(tr("Pr&inter:"), this);
    printerLabel->setBuddy(printerList_);
    form->addRow(printerLabel, printerList_);
    form->addRow(noPrinter_);
    auto* paperLabel = new QLabel(tr("P&aper:"), this);
    paperLabel->setBuddy(paperList_);
    form->addRow(paperLabel, paperList_);
    auto* orientation = new QHBoxLayout;
    orientation->addWidget(portrait_);
    orientation->addWidget(landscape_);
    orientation->addStretch(1);
    form->addRow(tr("Orientation:"), orientation);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(360);

    ui::InstallF1Help(this, ctx, [] { return ui::cmd::kFilePrintSetup; });
}

QString CPrintSetupDlg::ChosenPrinter() const {
    return printers_.isEmpty() ? QString() : printerList_->currentText();
}

// The printer's own papers when it names them; the one in use stays chosen.
void CPrintSetupDlg::FillPapers(const QString& printerName) {
    const QPageSize current =
        paperList_->count() > 0
            ? QPageSize(static_cast<QPageSize::PageSizeId>(paperList_->currentData().toInt()))
            : printer_.pageLayout().pageSize();
    QList<QPageSize> papers;
    if (!printerName.isEmpty())
        papers = QPrinterInfo::printerInfo(printerName).supportedPageSizes();
    if (papers.isEmpty()) papers = CommonPapers();
    paperList_->clear();
    for (const QPageSize& paper : papers) {
        if (paper.id() == QPageSize::Custom) continue;
        paperList_->addItem(paper.name(), static_cast<int>(paper.id()));
    }
    const int index = paperList_->findData(static_cast<int>(current.id()));
    paperList_->setCurrentIndex(std::max(0, index));
}

// The printer first: a new printer brings its own defaults, which the
// chosen paper and orientation then replace.
void CPrintSetupDlg::accept() {
    const QString name = ChosenPrinter();
    if (!name.isEmpty() && name != printer_.printerName()) printer_.setPrinterName(name);
    printer_.setPageSize(
        QPageSize(static_cast<QPageSize::PageSizeId>(paperList_->currentData().toInt())));
    printer_.setPageOrientation(landscape_->isChecked() ? QPageLayout::Landscape
                                                        : QPageLayout::Portrait);
    QDialog::accept();
}

}  // namespace qm530::app
