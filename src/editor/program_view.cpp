#include "editor/program_view.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QMdiSubWindow>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "app/command_ids.h"
#include "app/ini_file.h"
#include "app/language_dlg.h"
#include "app/main_frame.h"
#include "app/program_doc.h"
#include "app/ui_services.h"

namespace qm530 {

CProgramView::CProgramView(CProgramDoc* doc, AppContext& ctx, QWidget* parent)
    : QWidget(parent), doc_(doc), ctx_(ctx), languageDlg_(std::make_unique<CLanguageDlg>(ctx)) {
    setObjectName(QStringLiteral("ProgramView"));
    // Until the channel grid arrives the channels show read-only.
    grid_ = new QTableWidget(kTableRows - 1, kTableCols - 1, this);
    grid_->setObjectName(QStringLiteral("Grid1000"));
    grid_->setProperty("helpId", ctl::kGrid);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->setDefaultSectionSize(20);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 15, 16, 15);
    layout->addWidget(grid_);
    setFocusProxy(grid_);
}

CProgramView::~CProgramView() = default;

void CProgramView::OnInitialUpdate() {
    if (firstUpdate_) {
        table_.WriteLabels(ctx_.UiLanguage);
        firstUpdate_ = false;
    }
    ImageToGrid();
    // Shrink the document window to the form (never grow it).
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        const QSize form(640, 420);
        frame->resize(std::min(frame->width(), form.width()), std::min(frame->height(), form.height()));
    }
}

void CProgramView::ImageToGrid() {
    qm530::ImageToGrid(doc_->Image, table_, ctx_.UiLanguage);
    ShowTable();
}

void CProgramView::GridToImage() { qm530::GridToImage(table_, doc_->Image); }

void CProgramView::ShowTable() {
    QStringList headers;
    for (int c = 1; c < kTableCols; ++c) headers << QString::fromStdString(table_.Cell(0, c));
    grid_->setHorizontalHeaderLabels(headers);
    QStringList rows;
    for (int r = 1; r < kTableRows; ++r) rows << QString::fromStdString(table_.Cell(r, 0));
    grid_->setVerticalHeaderLabels(rows);
    for (int r = 1; r < kTableRows; ++r) {
        for (int c = 1; c < kTableCols; ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(table_.Cell(r, c)));
            item->setTextAlignment(Qt::AlignCenter);
            grid_->setItem(r - 1, c - 1, item);
        }
    }
}

bool CProgramView::IsCommandEnabled(int commandId) const {
    switch (commandId) {
    case cmd::kLanguage: return true;
    default: return false;
    }
}

bool CProgramView::OnCommand(int commandId) {
    switch (commandId) {
    case cmd::kRead: OnRead(); return true;
    case cmd::kWrite: OnWrite(); return true;
    case cmd::kComSetup: OnComSetup(); return true;
    case cmd::kScanInfo: OnScanInfo(); return true;
    case cmd::kLanguage: OnLanguage(); return true;
    case cmd::kFilePrint:
    case cmd::kFilePrintDirect: OnFilePrint(); return true;
    case cmd::kFilePrintPreview: OnFilePrintPreview(); return true;
    default: return false;
    }
}

void CProgramView::OnRead() {}
void CProgramView::OnWrite() {}
void CProgramView::OnComSetup() {}
void CProgramView::OnScanInfo() {}
void CProgramView::OnFilePrint() {}
void CProgramView::OnFilePrintPreview() {}

// Stores a new language and restarts the program in it: Program.ini is
// written before the new instance starts, and the new instance is this
// very program file, started without a shell.
void CProgramView::OnLanguage() {
    languageDlg_->LanguageChanged = false;
    if (ctx_.services.ExecDialog(*languageDlg_) != QDialog::Accepted || !languageDlg_->LanguageChanged) return;
    AppContext& ctx = ctx_;
    if (ctx.mainFrame) ctx.mainFrame->close();  // this view may be gone from here on
    ctx.theIni.Save(false);
    ctx.services.StartDetached(QCoreApplication::applicationFilePath(), {});
}

}  // namespace qm530
