// File > Compare from the keyboard: the document with a .dat file and with
// the radio; the listed lines and the marked grid cells.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBrush>
#include <QDialog>
#include <QListWidget>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include "app/main_frame.h"
#include "editor/channel_editor.h"
#include "editor/channel_grid.h"
#include "editor/channel_grid_model.h"
#include "editor/compare_dlg.h"
#include "editor/program_view.h"
#include "link/backup_store.h"
#include "link/process_dlg.h"
#include "model/channel_table.h"
#include "model/dat_file.h"
#include "model/program_doc.h"
#include "settings/settings_session.h"
#include "sim/virtual_radio.h"
#include "support/frame_fixture.h"
#include "ui/command_ids.h"
#include "watched_port.h"

namespace qm530::test {
namespace {

void SetRx(RadioImage& image, int channel, const std::string& rx) {
    ChannelTable table;
    ImageToGrid(image, table, UiLanguage::English);
    table.SetCell(channel, col::kRx, rx);
    table.SetCell(channel, col::kTx, "145.725");
    GridToImage(table, image);
}

class CompareFixture : public FrameFixture {
  protected:
    explicit CompareFixture(const char* language = "English") : FrameFixture(language) {}
    void SetUp() override {
        FrameFixture::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(dir.isValid());
        // The new document's image: a model and band that the Program.ini lists.
        RadioImage base = view->GetDocument()->Image;
        SetRx(base, 3, "145.125");
        basePath = dir.filePath(QStringLiteral("a.dat"));
        ASSERT_TRUE(SaveDatFile(basePath.toStdString(), base));
        other = base;
        SetRx(other, 3, "146.52");
        settings::SettingsSession settings(other, UiLanguage::English);
        ASSERT_TRUE(settings.Set("tot", "600s").ok());
        ASSERT_TRUE(settings.Store(other).ok());
        otherPath = dir.filePath(QStringLiteral("b.dat"));
        ASSERT_TRUE(SaveDatFile(otherPath.toStdString(), other));

        ASSERT_TRUE(frame->OpenDocumentFile(basePath));
        QApplication::processEvents();
        view = frame->ActiveView();
        grid = view->Editor()->Grid();
    }
    void TearDown() override {
        while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    }

    // A click on the cell (1-based), then text typed into its editor.
    void Edit(int row, int column, const QString& text) {
        QApplication::setActiveWindow(frame);
        Click(row, column);
        TypeAndEnter(text);
    }

    // Alt+F, then M, as a person types them.
    void PressCompare() {
        QApplication::setActiveWindow(frame);
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : frame, Qt::Key_F, Qt::AltModifier);
        QApplication::processEvents();
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QTest::keyClick(menu, Qt::Key_M);
        QApplication::processEvents();
    }
    // The first dialog: Down picks the radio, Return is OK.
    void ChooseSource(bool radio) {
        h.services.dialogHandlers.push_back([radio](QDialog& dialog) {
            auto* source = qobject_cast<editor::CCompareSourceDlg*>(&dialog);
            ASSERT_NE(source, nullptr);
            QWidget* focus = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
            if (radio) QTest::keyClick(focus, Qt::Key_Down);
            EXPECT_EQ(source->WithRadio(), radio);
            QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : &dialog, Qt::Key_Return);
        });
    }
    // The list of differences: its lines, and the marks while it is open;
    // Escape closes it.
    void ReadResult() {
        h.services.dialogHandlers.push_back([this](QDialog& dialog) {
            auto* result = qobject_cast<editor::CCompareDlg*>(&dialog);
            ASSERT_NE(result, nullptr);
            lines = result->Lines();
            marksWhileOpen = Marked();
            QTest::keyClick(result->List(), Qt::Key_Escape);
            closed = !dialog.isVisible();
        });
    }
    // The cells on the highlight background, as "row.column".
    QStringList Marked() const {
        QStringList cells;
        for (int row = 1; row <= kChannelCount; ++row) {
            for (int column = 1; column < kTableCols; ++column) {
                const QVariant brush = grid->model()->data(
                    grid->model()->index(row - 1, column - 1), Qt::BackgroundRole);
                if (!brush.isValid()) continue;
                EXPECT_EQ(brush.value<QBrush>().color(),
                          editor::ChannelGridModel::HighlightColor());
                cells << QStringLiteral("%1.%2").arg(row).arg(column);
            }
        }
        return cells;
    }

    QTemporaryDir dir;
    QString basePath;
    QString otherPath;
    RadioImage other;
    QStringList lines;
    QStringList marksWhileOpen;
    bool closed = false;
};

using Compare = CompareFixture;

class CompareInChinese : public CompareFixture {
  protected:
    CompareInChinese() : CompareFixture("Chinese") {}
};

const QString kRxMark = QStringLiteral("3.%1").arg(col::kRx);

TEST_F(Compare, AFileThatDiffersInOneRxAndOneSetting) {
    ChooseSource(false);
    h.services.openAnswers.push_back(otherPath);
    ReadResult();
    PressCompare();
    ASSERT_EQ(h.services.openRequests, 1);
    ASSERT_EQ(lines.size(), 2) << lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("channel 3 Rx Frequency: 145.12500 → 146.52000"));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("tot: "))) << lines[1].toStdString();
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral(" → 600s"))) << lines[1].toStdString();
    EXPECT_TRUE(closed);
    EXPECT_EQ(marksWhileOpen, QStringList{kRxMark});
    // The marks outlast the list; the document is as it was.
    EXPECT_EQ(Marked(), QStringList{kRxMark});
    EXPECT_EQ(view->Table().Cell(3, col::kRx), "145.12500");
    EXPECT_EQ(view->UndoStack()->count(), 0);

    // The next edit takes them away.
    Edit(3, col::kTx, QString::fromStdString(FormatFrequency(view->BandLow)));
    EXPECT_TRUE(h.services.boxes.empty()) << h.services.boxes.back().text.toStdString();
    EXPECT_EQ(view->UndoStack()->count(), 1);
    EXPECT_TRUE(Marked().isEmpty()) << Marked().join(QLatin1Char(' ')).toStdString();
}

TEST_F(Compare, AnEqualFileAndACancelledChoice) {
    ChooseSource(false);
    h.services.openAnswers.push_back(basePath);
    ReadResult();
    PressCompare();
    EXPECT_EQ(lines, QStringList{QStringLiteral("The configurations are the same.")});
    EXPECT_TRUE(marksWhileOpen.isEmpty());

    // Escape in the first dialog: no file dialog, no list.
    h.services.dialogHandlers.push_back(
        [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    const std::size_t dialogs = h.services.dialogTitles.size();
    PressCompare();
    EXPECT_EQ(h.services.openRequests, 1);
    EXPECT_EQ(h.services.dialogTitles.size(), dialogs + 1);
}

TEST_F(Compare, TheRadioIsReadIntoAnImageOfItsOwn) {
    sim::RadioOptions options;
    options.pace = false;
    options.memory = other;
    sim::VirtualRadio radio(options);
    ASSERT_TRUE(radio.Start().ok());
    view->PortName = radio.DevicePath();
    view->SetPortFactory(
        [](const std::string&) { return std::make_unique<WatchedPort>(kQuickTimeouts); });

    ChooseSource(true);
    ReadResult();
    PressCompare();
    ASSERT_TRUE(view->ProcessDlg()->isVisible());
    EXPECT_EQ(h.services.openRequests, 0);
    QTest::mouseClick(view->ProcessDlg()->OkButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view->ProcessDlg()->Exists(); }, 20000));
    ASSERT_TRUE(view->LastTransfer().completed());
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines[0], QStringLiteral("channel 3 Rx Frequency: 145.12500 → 146.52000"));
    EXPECT_TRUE(lines.filter(QStringLiteral("→ 600s")).size() == 1)
        << lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(Marked(), QStringList{kRxMark});
    EXPECT_EQ(view->Table().Cell(3, col::kRx), "145.12500");
    EXPECT_EQ(view->UndoStack()->count(), 0);
    // The radio's memory is kept as a backup like that of any read.
    const std::vector<link::BackupEntry> kept =
        link::BackupStore::InUserDataDir(h.ctx.UserDataDir).List();
    ASSERT_EQ(kept.size(), 1u);
    const Result<RadioImage> backup = LoadDatFile(kept[0].path);
    ASSERT_TRUE(backup);
    EXPECT_EQ((*backup)[0x30], other[0x30]);

    // A Read afterwards is a read into the document again.
    frame->Action(ui::cmd::kRead)->trigger();
    QTest::mouseClick(view->ProcessDlg()->OkButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view->ProcessDlg()->Exists(); }, 20000));
    EXPECT_EQ(view->Table().Cell(3, col::kRx), "146.52000");
    EXPECT_EQ(view->UndoStack()->count(), 1);
    EXPECT_TRUE(Marked().isEmpty());
}

TEST_F(CompareInChinese, TheLinesAndTheEqualTextAreChinese) {
    ChooseSource(false);
    h.services.openAnswers.push_back(otherPath);
    ReadResult();
    PressCompare();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines[0], QStringLiteral("信道 3 接收频率: 145.12500 → 146.52000"));
    EXPECT_EQ(marksWhileOpen, QStringList{kRxMark});
    EXPECT_EQ(h.services.dialogTitles.back(), QStringLiteral("比较"));

    ChooseSource(false);
    h.services.openAnswers.push_back(basePath);
    ReadResult();
    PressCompare();
    EXPECT_EQ(lines, QStringList{QStringLiteral("配置相同。")});
}

}  // namespace
}  // namespace qm530::test
