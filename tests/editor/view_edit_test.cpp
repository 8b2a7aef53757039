// Editing without losing work, driven by keys as a person would: the
// modified mark, undo and redo byte for byte, the save question, copy and
// paste of channel rows through the clipboard.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include "app/child_frame.h"
#include "editor/channel_editor.h"
#include "editor/channel_grid.h"
#include "editor/program_view.h"
#include "link/process_dlg.h"
#include "model/channel_records.h"
#include "model/channel_table.h"
#include "model/program_doc.h"
#include "sim/virtual_radio.h"
#include "support/frame_fixture.h"
#include "support/gui_fixture.h"
#include "ui/command_ids.h"
#include "watched_port.h"

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
    // A menu item chosen with the keyboard: Alt+<menu>, then the item's key.
    void ChooseFromMenu(Qt::Key menu, Qt::Key item) {
        QApplication::setActiveWindow(frame);
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : frame, menu, Qt::AltModifier);
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(popup, nullptr);
        QTest::keyClick(popup, item);
        QApplication::processEvents();
    }
    // A channel edit that makes the document modified.
    void EditChannel() {
        Click(1, 1);
        TypeAndEnter(QStringLiteral("146.52"));
        ASSERT_TRUE(frame->ActiveDocument()->IsModified());
    }
    static RadioImage ImageOfFile(const QString& path) {
        CProgramDoc doc;
        EXPECT_TRUE(doc.OnOpenDocument(path.toStdString()).ok()) << path.toStdString();
        return doc.Image;
    }
    QTemporaryDir files;
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
    EXPECT_TRUE(frame->Action(ui::cmd::kEditUndo)->text().contains(QStringLiteral("channel 3")))
        << frame->Action(ui::cmd::kEditUndo)->text().toStdString();

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
    frame->Action(ui::cmd::kProductInfo)->trigger();
    ASSERT_NE(Image(), before);
    const long highAfter = view->BandHigh;
    EXPECT_TRUE(frame->Action(ui::cmd::kEditUndo)->isEnabled());
    EXPECT_EQ(frame->Action(ui::cmd::kEditUndo)->text().toStdString(), "&Undo Product Information");
    Press(Qt::Key_Z);
    EXPECT_EQ(Image(), before);
    EXPECT_NE(view->BandHigh, highAfter);  // the band follows the image back
    EXPECT_FALSE(frame->ActiveDocument()->IsModified());
}

TEST_F(ViewEdits, NewAsksToSaveAModifiedDocumentAndCancelKeepsIt) {
    Click(1, 1);
    TypeAndEnter(QStringLiteral("146.52"));
    const RadioImage edited = Image();
    app::CChildFrame* window = frame->ActiveDocumentWindow();

    // Clear all? OK; Save changes? Cancel: nothing happens.
    h.services.boxAnswers = {ui::MsgResult::Ok, ui::MsgResult::Cancel};
    frame->Action(ui::cmd::kFileNew)->trigger();
    ASSERT_EQ(h.services.boxes.size(), 2u);
    EXPECT_TRUE(h.services.boxes[1].text.startsWith(QStringLiteral("Save changes to ")))
        << h.services.boxes[1].text.toStdString();
    EXPECT_EQ(frame->ActiveDocumentWindow(), window);
    EXPECT_EQ(Image(), edited);

    // Discard: a new, unmodified document.
    h.services.boxAnswers = {ui::MsgResult::Ok, ui::MsgResult::No};
    frame->Action(ui::cmd::kFileNew)->trigger();
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

TEST_F(ViewEdits, ReadFromTheRadioIsOneStepThatCtrlZUndoesByteForByte) {
    const RadioImage before = Image();
    sim::RadioOptions options;
    options.pace = false;
    options.memory = before;
    WriteFrequency(options.memory, ChannelRecordAddress(5), 14612500);
    options.memory[ChannelRecordAddress(5) + 14] = 0x77;
    sim::VirtualRadio radio(options);
    ASSERT_TRUE(radio.Start().ok());
    view->PortName = radio.DevicePath();
    view->SetPortFactory(
        [](const std::string&) { return std::make_unique<WatchedPort>(kQuickTimeouts); });

    frame->Action(ui::cmd::kRead)->trigger();
    ASSERT_TRUE(view->ProcessDlg()->isVisible());
    QTest::mouseClick(view->ProcessDlg()->OkButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view->ProcessDlg()->Exists(); }, 20000));
    ASSERT_TRUE(view->LastTransfer().completed());
    const RadioImage read = Image();
    ASSERT_NE(read, before);
    EXPECT_EQ(read[ChannelRecordAddress(5) + 14], 0x77);
    EXPECT_EQ(view->Table().Cell(5, 1), "146.12500");
    EXPECT_TRUE(frame->ActiveDocument()->IsModified());
    frame->UpdateCommandUI();
    EXPECT_EQ(frame->Action(ui::cmd::kEditUndo)->text().toStdString(), "&Undo read from radio");

    Press(Qt::Key_Z);
    EXPECT_EQ(Image(), before);
    EXPECT_EQ(view->Table().Cell(5, 1), "");
    EXPECT_FALSE(frame->ActiveDocument()->IsModified());
    EXPECT_EQ(frame->Action(ui::cmd::kEditRedo)->text().toStdString(), "&Redo read from radio");
    Press(Qt::Key_Y);
    EXPECT_EQ(Image(), read);
}

TEST_F(ViewEdits, CtrlDownMovesTheWholeRecordAndItsScanBit) {
    RadioImage& image = frame->ActiveDocument()->Image;
    WriteFrequency(image, ChannelRecordAddress(2), 14502500);
    WriteFrequency(image, ChannelRecordAddress(2) + 4, 14502500);
    image[ChannelRecordAddress(2) + 14] = 0x5A;  // bytes no column shows
    image[ChannelRecordAddress(2) + 15] = 0xA5;
    SetScanAddBit(image, 2, true);
    WriteFrequency(image, ChannelRecordAddress(3), 14607500);
    WriteFrequency(image, ChannelRecordAddress(3) + 4, 14607500);
    image[ChannelRecordAddress(3) + 14] = 0x11;
    image[ChannelRecordAddress(3) + 15] = 0x22;
    SetScanAddBit(image, 3, false);
    SetScanAddBit(image, 9, true);
    view->ImageToGrid();
    view->MarkSaved();  // as a file just opened
    const RadioImage before = Image();
    ASSERT_EQ(before[ChannelRecordAddress(2) + 14], 0x5A);

    Click(2, 1);
    Press(Qt::Key_Down);
    const RadioImage after = Image();
    for (int i = 0; i < kRecordSize; ++i) {
        EXPECT_EQ(after[ChannelRecordAddress(3) + i], before[ChannelRecordAddress(2) + i]) << i;
        EXPECT_EQ(after[ChannelRecordAddress(2) + i], before[ChannelRecordAddress(3) + i]) << i;
    }
    EXPECT_TRUE(ScanAddBit(after, 3));
    EXPECT_FALSE(ScanAddBit(after, 2));
    for (int ch = 1; ch <= kChannelCount; ++ch) {
        if (ch != 2 && ch != 3) {
            EXPECT_EQ(ScanAddBit(after, ch), ScanAddBit(before, ch)) << ch;
        }
    }
    for (std::size_t a = 0; a < kImageSize; ++a) {
        const bool moved =
            a >= std::size_t(ChannelRecordAddress(2)) && a < std::size_t(ChannelRecordAddress(4));
        const bool scanBits = a == addr::kScanAddLow || a == addr::kScanAddHigh;
        if (!moved && !scanBits) {
            EXPECT_EQ(after[a], before[a]) << a;
        }
    }
    EXPECT_EQ(grid->Row(), 3);  // the selection follows
    Press(Qt::Key_Z);
    EXPECT_EQ(Image(), before);
}

// At program end (File > Exit from the keyboard, or the close box) the
// modified document is asked about once.
TEST_F(ViewEdits, ExitWithSaveSavesTheDocumentAndEnds) {
    EditChannel();
    const RadioImage edited = Image();
    const QString path = files.filePath(QStringLiteral("kept.dat"));
    h.services.boxAnswers = {ui::MsgResult::Yes};
    h.services.saveAnswers = {path};
    ChooseFromMenu(Qt::Key_F, Qt::Key_X);
    ASSERT_EQ(h.services.boxes.size(), 1u);
    EXPECT_TRUE(h.services.boxes[0].text.startsWith(QStringLiteral("Save changes to ")));
    EXPECT_FALSE(frame->isVisible());
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_EQ(ImageOfFile(path), edited);
}

TEST_F(ViewEdits, CloseWithDiscardEndsWithoutSaving) {
    EditChannel();
    h.services.boxAnswers = {ui::MsgResult::No};
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(h.services.boxes.size(), 1u);
    EXPECT_TRUE(h.services.saveProposals.empty());
    EXPECT_TRUE(QDir(files.path()).isEmpty());
}

TEST_F(ViewEdits, CloseWithCancelKeepsTheProgramAndTheModifiedDocument) {
    EditChannel();
    const RadioImage edited = Image();
    h.services.boxAnswers = {ui::MsgResult::Cancel};
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(h.services.boxes.size(), 1u);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(frame->ActiveDocument()->IsModified());
    EXPECT_TRUE(frame->windowTitle().endsWith(QStringLiteral(" *")));
    EXPECT_EQ(Image(), edited);
    // Save As cancelled inside Save: the program stays too.
    h.services.boxAnswers = {ui::MsgResult::Yes};
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->ActiveDocument()->IsModified());
}

// Open puts the file into a window of its own and asks nothing: the
// modified document stays as it was and is asked about at the end.
TEST_F(ViewEdits, OpenOverAModifiedDocumentLosesNothing) {
    EditChannel();
    const RadioImage edited = Image();
    app::CChildFrame* modified = frame->ActiveDocumentWindow();
    const QString other = WriteDat(files.filePath(QStringLiteral("other.dat")), 1024);
    h.services.openAnswers = {other};
    Press(Qt::Key_O);
    EXPECT_TRUE(h.services.boxes.empty());
    ASSERT_NE(frame->ActiveDocumentWindow(), modified);
    ASSERT_TRUE(frame->DocumentWindows().contains(modified));
    EXPECT_TRUE(modified->GetDocument()->IsModified());
    RadioImage kept = modified->GetDocument()->Image;
    GridToImage(modified->GetView()->Table(), kept);
    EXPECT_EQ(kept, edited);

    const QString title = QString::fromStdString(modified->GetDocument()->Title());
    h.services.boxAnswers = {ui::MsgResult::Cancel};
    EXPECT_FALSE(frame->close());
    ASSERT_EQ(h.services.boxes.size(), 1u);
    EXPECT_EQ(h.services.boxes[0].text, QStringLiteral("Save changes to %1?").arg(title));
}

}  // namespace
}  // namespace qm530::test
