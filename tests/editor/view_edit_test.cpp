// Editing without losing work, driven by keys as a person would: the
// modified mark, undo and redo byte for byte, the save question, copy and
// paste of channel rows through the clipboard.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QTest>

#include "app/child_frame.h"
#include "editor/channel_editor.h"
#include "editor/channel_grid.h"
#include "editor/program_view.h"
#include "model/channel_table.h"
#include "model/program_doc.h"
#include "support/frame_fixture.h"
#include "support/gui_fixture.h"
#include "ui/command_ids.h"

namespace qm530::test {
namespace {

class ViewEdits : public FrameFixture {
  protected:
    // A shortcut as a person presses it, on the grid.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QApplication::setActiveWindow(frame);
        grid->setFocus();
        QTest::keyClick(grid, key, modifiers);
        QApplication::processEvents();
    }
    // The document as it would be saved: the image with the grid's texts.
    RadioImage Image() const {
        RadioImage image = frame->ActiveDocument()->Image;
        GridToImage(frame->ActiveView()->Table(), image);
        return image;
    }
};

TEST_F(ViewEdits, UndoAndRedoOfACellRestoreEveryByteAndTheMark) {
    const RadioImage before = Image();
    EXPECT_FALSE(frame->windowTitle().endsWith(QStringLiteral(" *")));

    Click(3, 1);
    TypeAndEnter(QStringLiteral("145.125"));
    EXPECT_EQ(view->Table().Cell(3, 1), "145.12500");
    const RadioImage edited = Image();
    EXPECT_NE(edited, before);
    EXPECT_TRUE(frame->ActiveDocument()->IsModified());
    EXPECT_TRUE(frame->windowTitle().endsWith(QStringLiteral(" *")))
        << frame->windowTitle().toStdString();
    EXPECT_TRUE(frame->Action(cmd::kEditUndo)->text().contains(QStringLiteral("channel 3")))
        << frame->Action(cmd::kEditUndo)->text().toStdString();

    Press(Qt::Key_Z);
    EXPECT_EQ(Image(), before);
    EXPECT_EQ(view->Table().Cell(3, 1), "");
    EXPECT_FALSE(frame->ActiveDocument()->IsModified());
    EXPECT_FALSE(frame->windowTitle().endsWith(QStringLiteral(" *")));

    Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Image(), edited);
    EXPECT_EQ(view->Table().Cell(3, 1), "145.12500");
    Press(Qt::Key_Z);
    Press(Qt::Key_Y);
    EXPECT_EQ(Image(), edited);
}

TEST_F(ViewEdits, ProductInformationIsOneStepUndoneByteForByte) {
    const RadioImage before = Image();
    h.services.dialogHandlers.push_back([](QDialog& d) {
        auto* bands = d.findChild<QComboBox*>(QStringLiteral("Combo1014"));
        ASSERT_NE(bands, nullptr);
        bands->setCurrentIndex(1);
        test::Click(&d, "OkButton");
    });
    frame->Action(cmd::kProductInfo)->trigger();
    ASSERT_NE(Image(), before);
    const long highAfter = view->BandHigh;
    EXPECT_TRUE(frame->Action(cmd::kEditUndo)->isEnabled());
    EXPECT_EQ(frame->Action(cmd::kEditUndo)->text().toStdString(), "&Undo Product Information");
    Press(Qt::Key_Z);
    EXPECT_EQ(Image(), before);
    EXPECT_NE(view->BandHigh, highAfter);  // the band follows the image back
    EXPECT_FALSE(frame->ActiveDocument()->IsModified());
}

TEST_F(ViewEdits, NewAsksToSaveAModifiedDocumentAndCancelKeepsIt) {
    Click(1, 1);
    TypeAndEnter(QStringLiteral("146.52"));
    const RadioImage edited = Image();
    CChildFrame* window = frame->ActiveDocumentWindow();

    // Clear all? OK; Save changes? Cancel: nothing happens.
    h.services.boxAnswers = {MsgResult::Ok, MsgResult::Cancel};
    frame->Action(cmd::kFileNew)->trigger();
    ASSERT_EQ(h.services.boxes.size(), 2u);
    EXPECT_TRUE(h.services.boxes[1].text.startsWith(QStringLiteral("Save changes to ")))
        << h.services.boxes[1].text.toStdString();
    EXPECT_EQ(frame->ActiveDocumentWindow(), window);
    EXPECT_EQ(Image(), edited);

    // Discard: a new, unmodified document.
    h.services.boxAnswers = {MsgResult::Ok, MsgResult::No};
    frame->Action(cmd::kFileNew)->trigger();
    ASSERT_NE(frame->ActiveDocument(), nullptr);
    EXPECT_FALSE(frame->ActiveDocument()->IsModified());
    EXPECT_NE(Image(), edited);
}

TEST_F(ViewEdits, CopiedRowsPasteIntoAnotherChannelAsOneStep) {
    Click(1, 1);
    TypeAndEnter(QStringLiteral("145.125"));
    Click(1, 2);
    TypeAndEnter(QStringLiteral("145.725"));
    const RadioImage beforePaste = Image();

    Click(1, 1);
    Press(Qt::Key_C);
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith(QStringLiteral("145.12500"))) << copied.toStdString();

    Click(5, 1);
    Press(Qt::Key_V);
    EXPECT_EQ(view->Table().Cell(5, 1), "145.12500");
    Press(Qt::Key_Z);
    EXPECT_EQ(Image(), beforePaste);

    // Text from a spreadsheet: the grid's rules refuse what is out of band.
    QApplication::clipboard()->setText(QStringLiteral("5000\t146.52000\n"));
    Click(6, 1);
    Press(Qt::Key_V);
    EXPECT_EQ(view->Table().Cell(6, 1), "");
    EXPECT_FALSE(h.services.boxes.empty());
}

TEST_F(ViewEdits, AfterARefusalTheFocusIsBackOnTheRefusedCell) {
    // A real message box takes the focus and gives it back to the widget that
    // had it, the cell editor, which the refusal then hides.
    h.services.whileBoxOpen = [this] {
        QWidget* editor = QApplication::focusWidget();
        frame->setFocus();
        if (editor) editor->setFocus();
    };
    Click(4, 1);
    TypeAndEnter(QStringLiteral("5000"));
    ASSERT_EQ(h.services.boxes.size(), 1u);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), grid);
    EXPECT_EQ(grid->Row(), 4);
    EXPECT_EQ(grid->Col(), 1);
    // A click on the cell opens it again for the next try.
    Click(4, 1);
    TypeAndEnter(QStringLiteral("145.5"));
    EXPECT_EQ(view->Table().Cell(4, 1), "145.50000");
}

}  // namespace
}  // namespace qm530::test
