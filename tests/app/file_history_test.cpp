// What the File menu finds again, from the keyboard: File > Open Backup
// with the backups of the desktop's own transfers (the in-process virtual
// radio on COM1), and the recent files.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "app/backups_dlg.h"
#include "app/child_frame.h"
#include "config/recent_files.h"
#include "editor/program_view.h"
#include "link/backup_store.h"
#include "link/process_dlg.h"
#include "model/dat_file.h"
#include "model/program_doc.h"
#include "support/gui_fixture.h"
#include "ui/command_ids.h"

namespace qm530::test {
namespace {

class FileHistory : public ::testing::Test {
  protected:
    FileHistory()
        : h(ProgramIni("English",
                       "Type2=QM-530\nField2=136 - 174MHz|400 - 480MHz\n[Ports]\n"
                       "COM1=virtual:" +
                           scratch.filePath(QStringLiteral("radio.dat")).toStdString() + "\n")) {}
    void SetUp() override {
        frame = h.StartShown();
        ASSERT_NE(frame, nullptr);
    }
    void TearDown() override {
        while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    }
    QWidget* Focus() const { return FocusIn(frame); }
    // Alt+F, then `item`, as a person types them; the File menu as it showed.
    QStringList FileMenu(Qt::Key item) {
        QApplication::setActiveWindow(frame);
        QTest::keyClick(Focus(), Qt::Key_F, Qt::AltModifier);
        QApplication::processEvents();
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        EXPECT_NE(menu, nullptr);
        if (menu == nullptr) return {};
        QStringList shown;
        for (QAction* a : menu->actions()) {
            if (a->isVisible() && !a->isSeparator()) shown << a->text();
        }
        QTest::keyClick(menu, item);
        QApplication::processEvents();
        return shown;
    }
    // Ctrl+<key> in the main window, then Return in the progress window;
    // waits for the transfer's end.
    void Transfer(Qt::Key key) {
        QApplication::setActiveWindow(frame);
        QTest::keyClick(Focus(), key, Qt::ControlModifier);
        link::CProcessDlg* progress = frame->ActiveView()->ProcessDlg();
        ASSERT_TRUE(progress->isVisible());
        QTest::keyClick(progress, Qt::Key_Return);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !progress->Exists(); }, 30000));
        ASSERT_TRUE(frame->ActiveView()->LastTransfer().completed());
    }
    QStringList Recent() const {
        QStringList paths;
        for (const std::string& p : config::RecentFiles(*h.registry))
            paths << QString::fromStdString(p);
        return paths;
    }

    QTemporaryDir scratch;
    Harness h;
    app::CMainFrame* frame = nullptr;
};

// A configuration of model 1 (QM-530, 400 - 480MHz) with two channels.
RadioImage Configuration() {
    RadioImage image = RadioImage::Default();
    for (std::size_t at : {0x10, 0x14, 0x20, 0x24}) {  // 435.025 MHz
        image[at] = 0x00;
        image[at + 1] = 0x25;
        image[at + 2] = 0x50;
        image[at + 3] = 0x43;
    }
    image[addr::kProductType] = 1;
    image[addr::kBandIndex] = 1;
    return image;
}

TEST_F(FileHistory, AWriteKeepsTheRadioFirstAndOpenBackupOpensAReadByteForByte) {
    const QString file = scratch.filePath(QStringLiteral("two.dat"));
    ASSERT_TRUE(SaveDatFile(file.toStdString(), Configuration()));
    ASSERT_TRUE(frame->OpenDocumentFile(file));
    // With the default settings a Write keeps what the radio held first.
    Transfer(Qt::Key_W);
    const link::BackupStore store = link::BackupStore::InUserDataDir(h.ctx.UserDataDir);
    ASSERT_EQ(store.List().size(), 1u);
    // A new virtual radio holds the default image.
    EXPECT_EQ(*LoadDatFile(store.List()[0].path), RadioImage::Default());
    Transfer(Qt::Key_R);
    const std::vector<link::BackupEntry> kept = store.List();
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0].port, "COM1");

    // File > Open Backup: newest first, with what each holds; Return opens.
    QStringList rows;
    h.services.dialogHandlers.push_back([&rows](QDialog& dialog) {
        auto& backups = static_cast<app::CBackupsDlg&>(dialog);
        for (int r = 0; r < backups.List()->topLevelItemCount(); ++r) {
            QStringList cells;
            for (int c = 1; c < backups.List()->columnCount(); ++c)
                cells << backups.List()->topLevelItem(r)->text(c);
            rows << cells.join(QLatin1Char('|'));
        }
        EXPECT_EQ(QApplication::focusWidget(), backups.List());
        QTest::keyClick(backups.List(), Qt::Key_Return);
    });
    const QStringList menu = FileMenu(Qt::Key_B);
    EXPECT_TRUE(menu.contains(QStringLiteral("Open &Backup..."))) << menu.join(',').toStdString();
    EXPECT_EQ(rows, QStringList({"COM1|QM-530|400 - 480MHz|2", "COM1|0xFF|0xFF|0"}));

    app::CChildFrame* opened = frame->ActiveDocumentWindow();
    ASSERT_NE(opened, nullptr);
    const CProgramDoc* doc = opened->GetDocument();
    EXPECT_EQ(doc->Image, *LoadDatFile(kept[0].path));
    EXPECT_EQ(opened->windowTitle(),
              QStringLiteral("Backup ") + QString::fromStdString(kept[0].DateTime()));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_TRUE(doc->PathName().empty());
    // A backup is not a recent file, and Save asks for a name of its own.
    EXPECT_EQ(Recent(), QStringList{file});
    QApplication::setActiveWindow(frame);
    QTest::keyClick(Focus(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_FALSE(h.services.saveProposals.empty());
    EXPECT_EQ(h.services.saveProposals.back(), QString::fromStdString(kept[0].fileName));
}

// A save that fails says why, and the file does not join the recent files.
TEST_F(FileHistory, ASaveThatFailsSaysWhy) {
    const QString a = WriteDat(scratch.filePath(QStringLiteral("a.dat")), 1024);
    h.services.openAnswers = {a};
    FileMenu(Qt::Key_O);
    const QString nowhere = scratch.filePath(QStringLiteral("no-folder/b.dat"));
    h.services.saveAnswers = {nowhere};
    FileMenu(Qt::Key_A);  // Save As
    ASSERT_FALSE(h.services.boxes.empty());
    const QStringList lines = h.services.boxes.back().text.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 3) << h.services.boxes.back().text.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("Cannot save the file"));
    EXPECT_EQ(lines[1], QDir::toNativeSeparators(nowhere));
    EXPECT_TRUE(lines[2].contains(QStringLiteral("no-folder"))) << lines[2].toStdString();
    EXPECT_EQ(Recent(), QStringList{a});
}

TEST_F(FileHistory, RecentFilesAreNumberedByKeysAndAMissingOneIsTakenOff) {
    const QString a = WriteDat(scratch.filePath(QStringLiteral("a.dat")), 1024);
    const QString b = WriteDat(scratch.filePath(QStringLiteral("b.dat")), 1024);
    const QString c = scratch.filePath(QStringLiteral("c&d.dat"));
    EXPECT_TRUE(Recent().isEmpty());
    EXPECT_EQ(FileMenu(Qt::Key_Escape).filter(QStringLiteral("&1 ")).size(), 0);

    h.services.openAnswers = {a, b};
    FileMenu(Qt::Key_O);
    FileMenu(Qt::Key_O);
    h.services.saveAnswers = {c};
    FileMenu(Qt::Key_A);  // Save As
    EXPECT_EQ(Recent(), QStringList({c, b, a}));
    EXPECT_EQ(h.registry->ReadText("RecentFile1", ""), c.toStdString());

    // Alt+F, 3: the oldest comes back first.
    QStringList menu = FileMenu(Qt::Key_3);
    EXPECT_EQ(menu.filter(QRegularExpression(QStringLiteral("^&\\d "))),
              QStringList({QStringLiteral("&1 ") +
                               QString(c).replace(QStringLiteral("&"), QStringLiteral("&&")),
                           QStringLiteral("&2 ") + b, QStringLiteral("&3 ") + a}));
    EXPECT_EQ(frame->ActiveDocument()->PathName(), a.toStdString());
    EXPECT_EQ(Recent(), QStringList({a, c, b}));

    // A file gone since: said so, and off the list.
    QFile::remove(c);
    const std::size_t boxes = h.services.boxes.size();
    FileMenu(Qt::Key_2);
    ASSERT_EQ(h.services.boxes.size(), boxes + 1);
    EXPECT_EQ(h.services.boxes.back().text,
              QStringLiteral("Cannot open the file\n%1\nThe file does not exist.\n\nIt is taken "
                             "off the list of recent files.")
                  .arg(c));
    EXPECT_EQ(Recent(), QStringList({a, b}));
    menu = FileMenu(Qt::Key_Escape);
    EXPECT_EQ(menu.filter(QRegularExpression(QStringLiteral("^&\\d "))).size(), 2);
}

}  // namespace
}  // namespace qm530::test
