// File > Print Setup: printer, paper and orientation of the one printer
// that Print and Print Preview use; chosen with the keyboard.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QTest>

#include "app/print_setup_dlg.h"
#include "editor/program_view.h"
#include "support/gui_fixture.h"
#include "ui/command_ids.h"

namespace qm530::test {
namespace {

class PrintSetup : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(h.Start());
        frame = h.Frame();
    }
    // Keys in the dialog, sent where the focus is, as a person types them.
    static void Key(QDialog& dialog, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QApplication::setActiveWindow(&dialog);
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &dialog, key, modifiers);
    }

    Harness h{ProgramIni("English")};
    app::CMainFrame* frame = nullptr;
};

TEST_F(PrintSetup, PaperAndOrientationGoToThePrinterThatPrintAndPreviewUse) {
    QPrinter& printer = h.ctx.Printer();
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    const bool noPrinter = QPrinterInfo::availablePrinterNames().isEmpty();
    h.services.dialogHandlers.push_back([&](QDialog& dialog) {
        auto* setup = qobject_cast<app::CPrintSetupDlg*>(&dialog);
        ASSERT_NE(setup, nullptr);
        EXPECT_EQ(setup->NoPrinterNote()->isVisibleTo(setup), noPrinter);
        if (noPrinter) {
            EXPECT_FALSE(setup->PrinterList()->isEnabled());
            EXPECT_TRUE(setup->NoPrinterNote()->text().contains(QStringLiteral("No printer")));
        }
        EXPECT_EQ(setup->PaperList()->currentText(), QPageSize(QPageSize::A4).name());
        Key(dialog, Qt::Key_A, Qt::AltModifier);  // P&aper
        ASSERT_EQ(QApplication::focusWidget(), setup->PaperList());
        Key(dialog, Qt::Key_Down);
        EXPECT_EQ(setup->PaperList()->currentText(), QPageSize(QPageSize::A5).name());
        Key(dialog, Qt::Key_L, Qt::AltModifier);  // &Landscape, an animated click
        EXPECT_TRUE(QTest::qWaitFor([&] { return setup->LandscapeButton()->isChecked(); }));
        Key(dialog, Qt::Key_Return);  // OK
    });
    frame->Action(ui::cmd::kFilePrintSetup)->trigger();
    EXPECT_EQ(h.services.dialogTitles.back(), QStringLiteral("Print Setup"));
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A5);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);

    // Print Preview lays the pages out on that printer.
    QPrinter* previewed = nullptr;
    h.services.dialogHandlers.push_back([&](QDialog& dialog) {
        if (auto* preview = qobject_cast<QPrintPreviewDialog*>(&dialog))
            previewed = preview->printer();
    });
    ASSERT_TRUE(frame->ActiveView()->OnCommand(ui::cmd::kFilePrintPreview));
    EXPECT_EQ(previewed, &printer);

    // Cancel changes nothing, and the dialog opens on what was chosen.
    h.services.dialogHandlers.push_back([](QDialog& dialog) {
        auto* setup = qobject_cast<app::CPrintSetupDlg*>(&dialog);
        EXPECT_EQ(setup->PaperList()->currentText(), QPageSize(QPageSize::A5).name());
        EXPECT_TRUE(setup->LandscapeButton()->isChecked());
        Key(dialog, Qt::Key_O, Qt::AltModifier);  // P&ortrait
        EXPECT_TRUE(QTest::qWaitFor([&] { return setup->PortraitButton()->isChecked(); }));
        Key(dialog, Qt::Key_Escape);
    });
    frame->Action(ui::cmd::kFilePrintSetup)->trigger();
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
}

TEST_F(PrintSetup, InstalledPrintersAreListedWithTheCurrentOneChosen) {
    QPrinter printer;
    const QStringList names = {QStringLiteral("Office"), QStringLiteral("Workshop")};
    app::CPrintSetupDlg dialog(h.ctx, printer, names, frame);
    dialog.show();
    EXPECT_FALSE(dialog.NoPrinterNote()->isVisible());
    ASSERT_TRUE(dialog.PrinterList()->isEnabled());
    EXPECT_EQ(dialog.PrinterList()->count(), 2);
    EXPECT_EQ(dialog.ChosenPrinter(), QStringLiteral("Office"));
    Key(dialog, Qt::Key_I, Qt::AltModifier);  // Pr&inter
    ASSERT_EQ(QApplication::focusWidget(), dialog.PrinterList());
    Key(dialog, Qt::Key_Down);
    EXPECT_EQ(dialog.ChosenPrinter(), QStringLiteral("Workshop"));
    // A printer that names no papers offers the common ones.
    EXPECT_GE(dialog.PaperList()->findText(QPageSize(QPageSize::Letter).name()), 0);
}

}  // namespace
}  // namespace qm530::test
