// File > Import and File > Export in the running program, driven by keys:
// the preview re-plans as its choices change, OK is one undo step that
// gives the bytes the command-line import gives, Cancel and refused files
// change nothing, and an exported list imports back to the same channels.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <utility>

#include "editor/import_preview_dlg.h"
#include "model/atomic_file.h"
#include "model/channel_import.h"
#include "model/channel_list.h"
#include "model/channel_records.h"
#include "model/messages.h"
#include "model/program_doc.h"
#include "support/frame_fixture.h"
#include "support/gui_fixture.h"
#include "ui/command_ids.h"

namespace qm530::test {
namespace {

// A short repeater list: a minus and a plus offset, a row off the raster,
// a simplex channel out of the scan list.
constexpr const char* kRepeaters =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "Mode,TStep,Skip,Power\r\n"
    "1,RPT A,145.600000,-,0.600000,Tone,88.5,88.5,023,NN,FM,12.5,,High\r\n"
    "3,RPT B,144.700000,+,0.600000,TSQL,100.0,100.0,023,NN,NFM,12.5,,Low\r\n"
    "5,BAD,145.612300,,0.000000,,88.5,88.5,023,NN,FM,5.0,,High\r\n"
    "4,SIMPLEX,145.500000,,0.000000,,88.5,88.5,023,NN,FM,12.5,S,High\r\n";

// Table columns of the preview for grid columns.
constexpr int kRx = editor::CImportPreviewDlg::FirstGridColumn + col::kRx - 1;
constexpr int kTx = editor::CImportPreviewDlg::FirstGridColumn + col::kTx - 1;
constexpr int kEncode = editor::CImportPreviewDlg::FirstGridColumn + col::kEncode - 1;
constexpr int kPower = editor::CImportPreviewDlg::FirstGridColumn + col::kPower - 1;

class ViewImport : public FrameFixture {
  protected:
    void SetUp() override {
        FrameFixture::SetUp();
        ASSERT_TRUE(dir.isValid());
        startDialogs = h.services.dialogTitles.size();
    }
    void TearDown() override {
        while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    }
    QString WriteFile(const QString& name, const QByteArray& data) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
        return path;
    }
    // Alt+F, then the item's mnemonic, as a person opens a File command.
    void FileCommand(Qt::Key mnemonic) {
        QApplication::setActiveWindow(frame);
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : frame, Qt::Key_F, Qt::AltModifier);
        QApplication::processEvents();
        auto* file = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(file, nullptr);
        ASSERT_EQ(file->objectName(), QStringLiteral("File"));
        QTest::keyClick(file, mnemonic);
        QApplication::processEvents();
    }
    // The document as it would be saved: the image with the grid's texts.
    RadioImage Image() const {
        RadioImage image = frame->ActiveDocument()->Image;
        GridToImage(view->Table(), image);
        return image;
    }
    // A mnemonic in the dialog; a button's mnemonic clicks it a moment later.
    static void PressMnemonic(QDialog& d, Qt::Key key, const std::function<bool()>& done) {
        QApplication::setActiveWindow(&d);
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &d, key, Qt::AltModifier);
        for (int i = 0; i < 100 && !done(); ++i) QTest::qWait(10);
    }
    static QString Cell(QTableWidget* rows, int row, int column) {
        const QTableWidgetItem* item = rows->item(row, column);
        return item ? item->text() : QString();
    }

    // The dialogs shown since start-up (the access code's came before).
    std::size_t Dialogs() const { return h.services.dialogTitles.size() - startDialogs; }

    QTemporaryDir dir;
    std::size_t startDialogs = 0;
};

TEST_F(ViewImport, PreviewReplansWithItsChoicesAndOkIsOneUndoStep) {
    // Two programmed channels: 3 is changed by the list, 8 is named by no row.
    Click(3, 1);
    TypeAndEnter(QStringLiteral("146.000"));
    Click(8, 1);
    TypeAndEnter(QStringLiteral("146.500"));
    const RadioImage before = Image();
    const ChannelTable tableBefore = view->Table();
    const int steps = view->UndoStack()->count();

    const QString csv = WriteFile(QStringLiteral("repeaters.csv"), kRepeaters);
    h.services.openAnswers.push_back(csv);
    ImportChoices shown;
    h.services.dialogHandlers.push_back([&](QDialog& d) {
        auto* preview = qobject_cast<editor::CImportPreviewDlg*>(&d);
        ASSERT_NE(preview, nullptr);
        QTableWidget* rows = preview->Rows();
        // By location: one table row per file row, in file order.
        ASSERT_EQ(rows->rowCount(), 4);
        const QStringList lines{"2", "3", "4", "5"};
        const QStringList channels{"1", "3", "5", "4"};
        for (int r = 0; r < 4; ++r) {
            EXPECT_EQ(Cell(rows, r, editor::CImportPreviewDlg::LineColumn), lines[r]);
            EXPECT_EQ(Cell(rows, r, editor::CImportPreviewDlg::ChannelColumn), channels[r]);
        }
        // The grid's columns as the grid shows them, "old → new" where a cell changes.
        EXPECT_EQ(Cell(rows, 0, editor::CImportPreviewDlg::ChangeColumn), QStringLiteral("new"));
        EXPECT_EQ(Cell(rows, 0, kRx), QStringLiteral("145.60000"));
        EXPECT_EQ(Cell(rows, 0, kTx), QStringLiteral("145.00000"));
        EXPECT_EQ(Cell(rows, 0, kEncode), QStringLiteral("88.5"));
        EXPECT_EQ(Cell(rows, 1, editor::CImportPreviewDlg::ChangeColumn),
                  QStringLiteral("changed"));
        EXPECT_EQ(Cell(rows, 1, kRx), QStringLiteral("146.00000 \u2192 144.70000"));
        EXPECT_TRUE(Cell(rows, 1, kTx).endsWith(QStringLiteral(" \u2192 145.30000")))
            << Cell(rows, 1, kTx).toStdString();
        EXPECT_EQ(Cell(rows, 1, kPower), QStringLiteral("High \u2192 Low"));
        const QString refused = Cell(rows, 2, editor::CImportPreviewDlg::ChangeColumn);
        EXPECT_TRUE(refused.startsWith(QStringLiteral("refused: receive frequency 145.612300")))
            << refused.toStdString();
        EXPECT_TRUE(Cell(rows, 2, kRx).isEmpty());  // channel 5 stays empty
        // The whole text of the current row stands below the table.
        auto* detail = d.findChild<QLabel*>(QStringLiteral("ImportDetail"));
        ASSERT_NE(detail, nullptr);
        EXPECT_EQ(detail->text(), QStringLiteral("Line 2, channel 1: new"));
        QTest::keyClick(rows, Qt::Key_Down);
        QTest::keyClick(rows, Qt::Key_Down);
        EXPECT_EQ(detail->text(), QStringLiteral("Line 4, channel 5: ") + refused);
        EXPECT_EQ(Cell(rows, 3, editor::CImportPreviewDlg::ChangeColumn), QStringLiteral("new"));
        auto* summary = d.findChild<QLabel*>(QStringLiteral("ImportSummary"));
        ASSERT_NE(summary, nullptr);
        EXPECT_TRUE(
            summary->text().contains(QStringLiteral("Rows refused: 1. They will be left out")))
            << summary->text().toStdString();

        // Renumbered from channel 3: the rows take channels 3 to 6 in file order.
        auto* renumber = d.findChild<QRadioButton*>(QStringLiteral("Renumber"));
        auto* start = d.findChild<QSpinBox*>(QStringLiteral("StartChannel"));
        auto* clear = d.findChild<QCheckBox*>(QStringLiteral("ClearOthers"));
        ASSERT_TRUE(renumber && start && clear);
        EXPECT_FALSE(start->isEnabled());
        PressMnemonic(d, Qt::Key_R, [&] { return renumber->isChecked(); });
        ASSERT_TRUE(renumber->isChecked());
        EXPECT_EQ(Cell(rows, 0, editor::CImportPreviewDlg::ChannelColumn), QStringLiteral("1"));
        EXPECT_EQ(Cell(rows, 3, editor::CImportPreviewDlg::ChannelColumn), QStringLiteral("4"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), start);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        EXPECT_EQ(start->value(), 3);
        EXPECT_EQ(Cell(rows, 0, editor::CImportPreviewDlg::ChannelColumn), QStringLiteral("3"));
        EXPECT_EQ(Cell(rows, 1, editor::CImportPreviewDlg::ChannelColumn), QStringLiteral("4"));
        EXPECT_EQ(Cell(rows, 3, editor::CImportPreviewDlg::ChannelColumn), QStringLiteral("6"));
        // Channel 3 held 146.000 before, so the first row now changes it.
        EXPECT_EQ(Cell(rows, 0, editor::CImportPreviewDlg::ChangeColumn),
                  QStringLiteral("changed"));
        ASSERT_EQ(rows->rowCount(), 4);

        // Clear the others: channel 8 is emptied, in a row of its own.
        PressMnemonic(d, Qt::Key_C, [&] { return clear->isChecked(); });
        ASSERT_TRUE(clear->isChecked());
        ASSERT_EQ(rows->rowCount(), 5);
        EXPECT_EQ(Cell(rows, 4, editor::CImportPreviewDlg::LineColumn), QString());
        EXPECT_EQ(Cell(rows, 4, editor::CImportPreviewDlg::ChannelColumn), QStringLiteral("8"));
        EXPECT_EQ(Cell(rows, 4, editor::CImportPreviewDlg::ChangeColumn),
                  QStringLiteral("cleared (no row names it)"));
        EXPECT_EQ(Cell(rows, 4, kRx), QStringLiteral("146.50000 \u2192 -"));

        shown = preview->Choices();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(d.result(), QDialog::Accepted);
    });
    FileCommand(Qt::Key_I);
    ASSERT_EQ(Dialogs(), 1u);
    EXPECT_EQ(h.services.dialogTitles.back(), QStringLiteral("Import Channel List"));
    EXPECT_TRUE(shown.renumber);
    EXPECT_EQ(shown.start, 3);
    EXPECT_TRUE(shown.clearOthers);

    // What the core plans, stored as the command-line import stores it.
    const Result<ChannelList> read = ReadChannelList(kRepeaters);
    ASSERT_TRUE(read);
    const ChannelList& list = *read;
    const BandLimits band{view->BandLow, view->BandHigh};
    const ImportPlan plan = PlanChannelImport(list, tableBefore, band, UiLanguage::English, shown);
    RadioImage expected = before;
    StoreChangedChannels(tableBefore, plan.result, expected);
    EXPECT_EQ(view->Table(), plan.result);
    EXPECT_EQ(Image(), expected);
    EXPECT_EQ(frame->ActiveDocument()->Image, expected);
    EXPECT_NE(Image(), before);
    EXPECT_TRUE(frame->ActiveDocument()->IsModified());
    EXPECT_EQ(view->UndoStack()->count(), steps + 1);
    EXPECT_EQ(frame->Action(ui::cmd::kEditUndo)->text().toStdString(), "&Undo import");

    // Ctrl+Z takes the whole import back, byte for byte.
    QApplication::setActiveWindow(frame);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(Image(), before);
    EXPECT_EQ(view->Table(), tableBefore);
}

TEST_F(ViewImport, CancelChangesNothing) {
    const RadioImage before = Image();
    const RadioImage documentBefore = frame->ActiveDocument()->Image;
    h.services.openAnswers.push_back(WriteFile(QStringLiteral("repeaters.csv"), kRepeaters));
    h.services.dialogHandlers.push_back([](QDialog& d) {
        QApplication::setActiveWindow(&d);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_FALSE(d.isVisible());
    });
    FileCommand(Qt::Key_I);
    ASSERT_EQ(Dialogs(), 1u);
    EXPECT_EQ(Image(), before);
    EXPECT_EQ(frame->ActiveDocument()->Image, documentBefore);
    EXPECT_FALSE(frame->ActiveDocument()->IsModified());
    EXPECT_FALSE(view->UndoStack()->canUndo());
    EXPECT_TRUE(h.services.boxes.empty());

    // A cancelled file dialog asks nothing more.
    FileCommand(Qt::Key_I);
    EXPECT_EQ(h.services.openRequests, 2);
    EXPECT_EQ(Dialogs(), 1u);
}

TEST_F(ViewImport, HeldBackWhileATransferRuns) {
    EXPECT_TRUE(frame->Action(ui::cmd::kFileImport)->isEnabled());
    EXPECT_TRUE(frame->Action(ui::cmd::kFileExport)->isEnabled());
    ASSERT_TRUE(h.ctx.transfers.TryEnter());
    frame->UpdateCommandUI();
    EXPECT_FALSE(frame->Action(ui::cmd::kFileImport)->isEnabled());
    EXPECT_FALSE(frame->Action(ui::cmd::kFileExport)->isEnabled());
    h.ctx.transfers.Leave();
    frame->UpdateCommandUI();
    EXPECT_TRUE(frame->Action(ui::cmd::kFileImport)->isEnabled());
}

TEST_F(ViewImport, AFileRefusedWholeSaysWhyAndShowsNoPreview) {
    const RadioImage before = Image();
    const struct {
        QString name;
        QByteArray data;
        const char* reason;
    } files[] = {
        {QStringLiteral("nofreq.csv"), "Location,Name\r\n1,A\r\n",
         "line 1: the header names no Frequency column"},
        {QStringLiteral("latin1.csv"), "Location,Frequency\r\n1,145.5\xe9\r\n",
         "line 2 is not UTF-8 text"},
        {QStringLiteral("empty.csv"), "", "the file has no header line naming the columns"},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.name.toStdString());
        h.services.boxes.clear();
        h.services.openAnswers.push_back(WriteFile(f.name, f.data));
        FileCommand(Qt::Key_I);
        ASSERT_EQ(h.services.boxes.size(), 1u);
        const QString text = h.services.boxes[0].text;
        EXPECT_TRUE(text.contains(f.name)) << text.toStdString();
        EXPECT_TRUE(text.contains(QString::fromLatin1(f.reason))) << text.toStdString();
    }
    // A file that cannot be read at all.
    h.services.boxes.clear();
    h.services.openAnswers.push_back(dir.filePath(QStringLiteral("missing.csv")));
    FileCommand(Qt::Key_I);
    ASSERT_EQ(h.services.boxes.size(), 1u);
    EXPECT_TRUE(h.services.boxes[0].text.startsWith(QStringLiteral("Cannot read the file")));

    EXPECT_EQ(Dialogs(), 0u);
    EXPECT_EQ(Image(), before);
    EXPECT_FALSE(view->UndoStack()->canUndo());
}

TEST_F(ViewImport, ExportWritesAListThatImportsBackToTheSameChannels) {
    Click(2, 1);
    TypeAndEnter(QStringLiteral("145.600"));
    Click(2, 2);
    TypeAndEnter(QStringLiteral("145.000"));
    Click(6, 1);
    TypeAndEnter(QStringLiteral("146.00625"));
    const RadioImage before = Image();
    const int steps = view->UndoStack()->count();

    // The name typed without an extension gets ".csv".
    h.services.saveAnswers.push_back(dir.filePath(QStringLiteral("channels")));
    FileCommand(Qt::Key_E);
    ASSERT_EQ(h.services.saveProposals.size(), 1u);
    EXPECT_TRUE(h.services.saveProposals[0].endsWith(QStringLiteral(".csv")))
        << h.services.saveProposals[0].toStdString();
    EXPECT_TRUE(h.services.boxes.empty());
    const Result<std::string> text =
        ReadWholeFile(dir.filePath(QStringLiteral("channels.csv")).toStdString());
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, ChannelListCsv(view->Table()));
    EXPECT_EQ(Image(), before);  // exporting changes nothing
    EXPECT_EQ(view->UndoStack()->count(), steps);

    // Into an empty table the list gives the same channels, row for row.
    const Result<ChannelList> read = ReadChannelList(*text);
    ASSERT_TRUE(read);
    const ChannelList& list = *read;
    ChannelTable empty;
    empty.WriteLabels(UiLanguage::English);
    const ImportPlan plan = PlanChannelImport(
        list, empty, BandLimits{view->BandLow, view->BandHigh}, UiLanguage::English, {});
    EXPECT_FALSE(plan.Refuses());
    EXPECT_EQ(plan.Count(ImportOutcome::New), 2);
    for (int n = 1; n <= kChannelCount; ++n) {
        for (int c = 1; c < kTableCols; ++c)
            EXPECT_EQ(plan.result.Cell(n, c), view->Table().Cell(n, c)) << n << "/" << c;
    }

    // A folder that does not exist: the reason in a message, no file.
    h.services.saveAnswers.push_back(dir.filePath(QStringLiteral("no/such/folder/x.csv")));
    FileCommand(Qt::Key_E);
    ASSERT_EQ(h.services.boxes.size(), 1u);
    EXPECT_TRUE(h.services.boxes[0].text.startsWith(QStringLiteral("Cannot export to the file")));
    EXPECT_TRUE(h.services.boxes[0].text.contains(QStringLiteral("No such file or directory")))
        << h.services.boxes[0].text.toStdString();
}

// The Chinese program: menu items, preview and every reason in Chinese.
TEST(ViewImportChinese, MenuPreviewAndReasonsAreChinese) {
    Harness h(ProgramIni("Chinese"));
    ASSERT_TRUE(h.Start());
    app::CMainFrame* frame = h.Frame();
    EXPECT_EQ(frame->Action(ui::cmd::kFileImport)->text(), QStringLiteral("导入(&I)..."));
    EXPECT_EQ(frame->Action(ui::cmd::kFileExport)->text(), QStringLiteral("导出(&E)..."));
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("r.csv"));
    const QString bad = dir.filePath(QStringLiteral("bad.csv"));
    for (const auto& [path, data] : {std::pair{list, QByteArray(kRepeaters)},
                                     std::pair{bad, QByteArray("Location,Name\r\n")}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
    }
    h.services.openAnswers = {list, bad};
    h.services.dialogHandlers.push_back([](QDialog& d) {
        auto* preview = qobject_cast<editor::CImportPreviewDlg*>(&d);
        ASSERT_NE(preview, nullptr);
        EXPECT_EQ(d.windowTitle(), QStringLiteral("导入信道列表"));
        QTableWidget* rows = preview->Rows();
        ASSERT_EQ(rows->rowCount(), 4);
        EXPECT_EQ(rows->item(0, editor::CImportPreviewDlg::ChangeColumn)->text(),
                  QStringLiteral("新增"));
        const QString refused = rows->item(2, editor::CImportPreviewDlg::ChangeColumn)->text();
        EXPECT_TRUE(refused.startsWith(QStringLiteral("拒绝：接收频率 145.612300：")))
            << refused.toStdString();
        EXPECT_TRUE(
            refused.contains(QString::fromUtf8(MessageText(msg::kStepError, UiLanguage::Chinese))));
    });
    frame->Action(ui::cmd::kFileImport)->trigger();
    const std::size_t boxes = h.services.boxes.size();
    frame->Action(ui::cmd::kFileImport)->trigger();
    ASSERT_EQ(h.services.boxes.size(), boxes + 1);
    EXPECT_TRUE(h.services.boxes.back().text.contains(QStringLiteral("不是信道列表")))
        << h.services.boxes.back().text.toStdString();
    EXPECT_TRUE(h.services.boxes.back().text.contains(
        QStringLiteral("第 1 行：标题行中没有 Frequency 列")));
}

}  // namespace
}  // namespace qm530::test
