// File > Print and Print Preview of the channel view in the running program.

#include <gtest/gtest.h>

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include "editor/program_view.h"
#include "model/channel_table.h"
#include "model/program_doc.h"
#include "support/gui_fixture.h"
#include "ui/command_ids.h"

namespace qm530::test {
namespace {

class ViewPrinting : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(h.Start());
        frame = h.Frame();
        view = frame->ActiveView();
        ASSERT_NE(view, nullptr);
        // Eight programmed channels: an options page and two channel pages.
        RadioImage& image = frame->ActiveDocument()->Image;
        for (int ch = 1; ch <= 8; ++ch) WriteFrequency(image, ch * 16, 14500000 + ch * 2500);
        view->ImageToGrid();
    }
    static int PdfPages(const QString& path) {
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {path});
        if (!info.waitForFinished(20000)) return -1;
        const QString out = QString::fromUtf8(info.readAllStandardOutput());
        for (const QString& line : out.split('\n')) {
            if (line.startsWith(QStringLiteral("Pages:"))) return line.mid(6).trimmed().toInt();
        }
        return -1;
    }

    Harness h{ProgramIni("English")};
    app::CMainFrame* frame = nullptr;
    editor::CProgramView* view = nullptr;
    QTemporaryDir out;
};

TEST_F(ViewPrinting, PrintOffersThePagesOfTheDocumentAndPrintsThem) {
    const QString pdf = out.filePath(QStringLiteral("job.pdf"));
    frame->Printer().setOutputFormat(QPrinter::PdfFormat);
    frame->Printer().setOutputFileName(pdf);
    int minPage = 0;
    int maxPage = 0;
    h.services.dialogHandlers.push_back([&](QDialog& dialog) {
        auto* print = qobject_cast<QPrintDialog*>(&dialog);
        ASSERT_NE(print, nullptr);
        minPage = print->minPage();
        maxPage = print->maxPage();
        dialog.accept();
    });
    ASSERT_TRUE(view->IsCommandEnabled(ui::cmd::kFilePrint));
    ASSERT_TRUE(view->OnCommand(ui::cmd::kFilePrint));
    EXPECT_EQ(minPage, 1);
    EXPECT_EQ(maxPage, 3);
    EXPECT_EQ(PdfPages(pdf), 3);
    EXPECT_TRUE(h.services.boxes.empty());
}

TEST_F(ViewPrinting, CancelledPrintDialogPrintsNothing) {
    const QString pdf = out.filePath(QStringLiteral("none.pdf"));
    frame->Printer().setOutputFormat(QPrinter::PdfFormat);
    frame->Printer().setOutputFileName(pdf);
    h.services.dialogHandlers.push_back([](QDialog& dialog) { dialog.reject(); });
    view->OnCommand(ui::cmd::kFilePrint);
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(ViewPrinting, PreviewShowsEveryPage) {
    int pages = -1;
    h.services.dialogHandlers.push_back([&](QDialog& dialog) {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(&dialog);
        ASSERT_NE(preview, nullptr);
        auto* widget = preview->findChild<QPrintPreviewWidget*>();
        ASSERT_NE(widget, nullptr);
        widget->updatePreview();
        pages = widget->pageCount();
        dialog.reject();
    });
    ASSERT_TRUE(view->OnCommand(ui::cmd::kFilePrintPreview));
    EXPECT_EQ(pages, 3);
}

}  // namespace
}  // namespace qm530::test
