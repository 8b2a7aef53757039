// The grid driven by keys with a cell editor open, as a keyboard user has
// it: the editor always shows its own cell, and the document's undo, redo
// and paste keys reach the document unless the editor holds typed text.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "editor/cell_editors.h"
#include "editor/channel_editor.h"
#include "editor/channel_grid.h"
#include "editor/program_view.h"
#include "model/cell_commit.h"
#include "model/channel_table.h"
#include "model/dat_file.h"
#include "model/program_doc.h"
#include "support/frame_fixture.h"

namespace qm530::test {
namespace {

class GridKeys : public FrameFixture {
  protected:
    // A key as a person presses it: on whatever has the focus.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QApplication::setActiveWindow(frame);
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, key, modifiers);
        QApplication::processEvents();
    }
    editor::CellEditors* Editors() const { return view->Editor()->Editors(); }
    QLineEdit* RxEdit() const { return Editors()->EditBoxForColumn(col::kRx); }
    const ChannelTable& Table() const { return view->Table(); }

    // An open edit box shows the text of the cell it stands over.
    void ExpectEditorOnItsCell(const std::string& how) {
        const int column = grid->Col();
        QLineEdit* edit = Editors()->EditBoxForColumn(column);
        if (edit == nullptr || !edit->isVisible()) return;
        EXPECT_EQ(edit->text().toStdString(), Table().Cell(grid->Row(), column))
            << how << " (channel " << grid->Row() << ")";
        EXPECT_EQ(edit->geometry(), grid->CellRect()) << how;
    }
};

TEST_F(GridKeys, TheEditorShowsTheCellItStandsOverWhicheverWayItGotThere) {
    Click(4, 1);
    TypeAndEnter(QStringLiteral("150"));
    ASSERT_EQ(Table().Cell(4, col::kRx), "150.00000");
    const ChannelTable programmed = Table();

    struct Move {
        const char* how;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    for (const Move& m :
         {Move{"Down", Qt::Key_Down, Qt::NoModifier}, Move{"Up", Qt::Key_Up, Qt::NoModifier},
          Move{"Page Down", Qt::Key_PageDown, Qt::NoModifier},
          Move{"Page Up", Qt::Key_PageUp, Qt::NoModifier},
          Move{"Ctrl+End", Qt::Key_End, Qt::ControlModifier},
          Move{"Ctrl+Home", Qt::Key_Home, Qt::ControlModifier},
          Move{"Tab", Qt::Key_Tab, Qt::NoModifier},
          Move{"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier}}) {
        Click(4, 1);
        ASSERT_TRUE(RxEdit()->isVisible());
        ASSERT_EQ(RxEdit()->text().toStdString(), "150.00000");
        Key(m.key, m.modifiers);
        ExpectEditorOnItsCell(m.how);
        // Leaving the cell again commits what the editor shows.
        Click(4, 3);
        EXPECT_EQ(Table(), programmed) << m.how;
    }

    // The mouse, and the grid's own keys after the editor was closed.
    Click(4, 1);
    Click(5, 1);
    ExpectEditorOnItsCell("click");
    Click(4, 1);
    view->Editor()->HideCellEditors();
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Down);
    ExpectEditorOnItsCell("Down on the grid");
    Click(4, 3);
    EXPECT_EQ(Table(), programmed);

    // Undo and a move of the channel, with the editor open on channel 5.
    Click(5, 1);
    TypeAndEnter(QStringLiteral("146.52"));
    Click(5, 1);
    Key(Qt::Key_Z, Qt::ControlModifier);
    ExpectEditorOnItsCell("undo");
    Key(Qt::Key_Down);
    ExpectEditorOnItsCell("Down after undo");
    Click(4, 1);
    Key(Qt::Key_Down, Qt::ControlModifier);
    ExpectEditorOnItsCell("move down");
    Key(Qt::Key_Up);
    ExpectEditorOnItsCell("Up after the move");
    Click(4, 3);
    EXPECT_EQ(Table().Cell(5, col::kRx), "150.00000");
    EXPECT_EQ(Table().Cell(4, col::kRx), "");
}

TEST_F(GridKeys, UndoRedoAndPasteReachTheDocumentFromAnOpenEditor) {
    Click(3, 1);
    TypeAndEnter(QStringLiteral("145.125"));
    ASSERT_EQ(Table().Cell(3, col::kRx), "145.12500");

    // The editor open on the edited cell holds no typed text: Ctrl+Z and
    // Ctrl+Y act on the document.
    Click(3, 1);
    ASSERT_EQ(QApplication::focusWidget(), RxEdit());
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Table().Cell(3, col::kRx), "");
    EXPECT_FALSE(frame->ActiveDocument()->IsModified());
    Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Table().Cell(3, col::kRx), "145.12500");
    Key(Qt::Key_Z, Qt::ControlModifier);
    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Table().Cell(3, col::kRx), "145.12500");

    // Typed text is undone first, as in a spreadsheet; then the document.
    Click(3, 1);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("146"));
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Table().Cell(3, col::kRx), "145.12500");
    EXPECT_EQ(RxEdit()->text().toStdString(), "145.12500");
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Table().Cell(3, col::kRx), "");

    // Several cells on the clipboard go into the grid; one value into the editor.
    QApplication::clipboard()->setText(QStringLiteral("146.52000\t146.52000\n"));
    Click(6, 1);
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Table().Cell(6, col::kRx), "146.52000");
    EXPECT_EQ(Table().Cell(6, col::kTx), "146.52000");
    QApplication::clipboard()->setText(QStringLiteral("147.5"));
    Click(7, 1);
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(RxEdit()->text().toStdString(), "147.5");
    EXPECT_EQ(Table().Cell(7, col::kRx), "");
    Key(Qt::Key_Return);
    EXPECT_EQ(Table().Cell(7, col::kRx), "147.50000");

    // With a block selected, Ctrl+C copies the block, whatever has the focus.
    Click(6, 1);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      grid->visualRect(grid->model()->index(6, 1)).center());
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              "146.52000\t146.52000\n147.50000\t\n");
}

// Opens a file whose channel 4 holds 150.00000 under the band 400 - 470MHz,
// as an image read from a radio of another band does.
class GridKeysOutOfBand : public GridKeys {
  protected:
    void SetUp() override {
        GridKeys::SetUp();
        ASSERT_TRUE(dir.isValid());
        RadioImage image = RadioImage::Default();
        image[addr::kBandIndex] = 1;
        ChannelTable table;
        ASSERT_FALSE(CommitCellText(table, 4, col::kRx, "150", kRecordLimits, UiLanguage::English)
                         .rejected());
        GridToImage(table, image);
        path = dir.filePath(QStringLiteral("other-band.dat")).toStdString();
        ASSERT_TRUE(SaveDatFile(path, image));
        ASSERT_TRUE(frame->OpenDocumentFile(QString::fromStdString(path)));
        view = frame->ActiveView();
        grid = view->Editor()->Grid();
        QApplication::processEvents();
        ASSERT_EQ(Table().Cell(4, col::kRx), "150.00000");
    }
    QTemporaryDir dir;
    std::string path;
};

TEST_F(GridKeysOutOfBand, MovingThroughAChannelNeverChangesItOrTheNextOne) {
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Tab, Qt::Key_Return}) {
        Click(4, 1);
        ASSERT_TRUE(RxEdit()->isVisible());
        ASSERT_EQ(RxEdit()->text().toStdString(), "150.00000");
        Key(key);
        EXPECT_TRUE(h.services.boxes.empty()) << h.services.boxes.front().text.toStdString();
        ExpectEditorOnItsCell("after the key");
        Key(Qt::Key_Return);  // commits whatever the editor now shows
        EXPECT_EQ(Table().Cell(4, col::kRx), "150.00000");
        EXPECT_EQ(Table().Cell(5, col::kRx), "");
        EXPECT_EQ(Table().Cell(3, col::kRx), "");
    }
    EXPECT_FALSE(frame->ActiveDocument()->IsModified());
    Key(Qt::Key_S, Qt::ControlModifier);
    const Result<RadioImage> saved = LoadDatFile(path);
    ASSERT_TRUE(saved);
    ChannelTable table;
    RadioImage copy = *saved;
    ImageToGrid(copy, table, UiLanguage::English);
    EXPECT_EQ(table.Cell(4, col::kRx), "150.00000");
    EXPECT_FALSE(table.IsProgrammed(5));
}

TEST_F(GridKeysOutOfBand, ATypedValueIsCheckedAndNeverFollowsTheCursor) {
    Click(4, 1);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("151"));
    Key(Qt::Key_Down);
    // The typed value outside the band is refused, as before; the channel
    // it was typed on is emptied, and the next one keeps its own text.
    ASSERT_EQ(h.services.boxes.size(), 1u);
    EXPECT_TRUE(h.services.boxes[0].text.startsWith(QStringLiteral("Out of range")));
    EXPECT_EQ(Table().Cell(4, col::kRx), "");
    ExpectEditorOnItsCell("after the refusal");
    Key(Qt::Key_Return);
    EXPECT_EQ(Table().Cell(5, col::kRx), "");
}

// Typed in the grid as a person types it.
TEST_F(GridKeys, ATypedFrequencyIsStoredAsTypedOrRefused) {
    Click(2, 1);
    TypeAndEnter(QStringLiteral("145,525"));
    EXPECT_EQ(Table().Cell(2, col::kRx), "145.52500");
    EXPECT_TRUE(h.services.boxes.empty());
    Click(3, 1);
    TypeAndEnter(QStringLiteral("145 5"));
    EXPECT_EQ(Table().Cell(3, col::kRx), "");
    ASSERT_EQ(h.services.boxes.size(), 1u);
    EXPECT_TRUE(h.services.boxes[0].text.startsWith(QStringLiteral("Error data Value")))
        << h.services.boxes[0].text.toStdString();
}

}  // namespace
}  // namespace qm530::test
