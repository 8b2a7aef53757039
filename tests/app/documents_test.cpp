// The document life cycle in the main frame: New, Open, Close, Save, and
// the caption policy.
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenu>

#include "app/child_frame.h"
#include "app/mdi_client.h"
#include "editor/program_view.h"
#include "model/messages.h"
#include "model/program_doc.h"
#include "model/radio_image.h"
#include "support/gui_fixture.h"
#include "ui/command_ids.h"
#include "ui/ui_services.h"

namespace qm530::test {
namespace {

class Documents : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(h.Start()); }
    app::CMainFrame& frame() { return *h.Frame(); }
    Harness h{ProgramIni("English")};
};

TEST_F(Documents, NewAsksBeforeReplacingTheActiveWindow) {
    app::CChildFrame* first = frame().ActiveDocumentWindow();
    frame().ActiveDocument()->Image[0x20] = 0x12;
    frame().ActiveDocument()->ImageIsDefault = false;

    h.services.boxAnswers.push_back(ui::MsgResult::Cancel);
    frame().Action(ui::cmd::kFileNew)->trigger();
    ASSERT_EQ(h.services.boxes.size(), 1u);
    EXPECT_EQ(h.services.boxes[0].text, QStringLiteral("All data will be Cleared!"));
    EXPECT_EQ(h.services.boxes[0].caption, QStringLiteral("QM530 Programming Tool"));
    EXPECT_EQ(h.services.boxes[0].buttons, ui::MsgButtons::OkCancel);
    EXPECT_EQ(frame().ActiveDocumentWindow(), first);
    EXPECT_EQ(frame().ActiveDocument()->Image[0x20], 0x12);
    EXPECT_FALSE(frame().ActiveDocument()->ImageIsDefault);

    h.services.boxAnswers.push_back(ui::MsgResult::Ok);
    frame().OnFileNew();
    ASSERT_EQ(frame().DocumentWindows().size(), 1);
    EXPECT_NE(frame().ActiveDocumentWindow(), nullptr);
    // The default image, with the model and band the registry remembers (none: 0, 0).
    RadioImage expected = RadioImage::Default();
    expected[addr::kProductType] = 0;
    expected[addr::kBandIndex] = 0;
    EXPECT_EQ(frame().ActiveDocument()->Image, expected);
    EXPECT_TRUE(frame().ActiveDocument()->ImageIsDefault);
}

TEST_F(Documents, OpenHidesThePreviouslyActiveWindowAndClearsImageIsDefault) {
    app::CChildFrame* first = frame().ActiveDocumentWindow();
    h.services.openAnswers.push_back(WriteDat(h.dir.File(QStringLiteral("a.dat")), 1030));
    frame().Action(ui::cmd::kFileOpen)->trigger();
    ASSERT_EQ(frame().DocumentWindows().size(), 2);
    EXPECT_FALSE(first->isVisible());
    app::CChildFrame* second = frame().ActiveDocumentWindow();
    EXPECT_NE(second, first);
    EXPECT_TRUE(second->isVisible());
    EXPECT_FALSE(frame().ActiveDocument()->ImageIsDefault);
    EXPECT_EQ(second->windowTitle(), QStringLiteral("a.dat"));

    // A third file hides the second; the first stays hidden.
    frame().OpenDocumentFile(WriteDat(h.dir.File(QStringLiteral("b.dat")), 1024));
    EXPECT_FALSE(second->isVisible());
    EXPECT_FALSE(first->isVisible());
    EXPECT_EQ(frame().DocumentWindows().size(), 3);
}

TEST_F(Documents, FailedOpenNamesTheFileAndCreatesNothing) {
    frame().ActiveDocument()->ImageIsDefault = true;
    const QString missing = h.dir.File(QStringLiteral("missing.dat"));
    const QString shortFile = WriteDat(h.dir.File(QStringLiteral("short.dat")), 100);
    for (const QString& path : {missing, shortFile}) {
        EXPECT_FALSE(frame().OpenDocumentFile(path));
        EXPECT_TRUE(h.services.boxes.back().text.contains(path));
    }
    EXPECT_TRUE(h.services.boxes[0].text.contains(QStringLiteral("does not exist")));
    EXPECT_EQ(frame().DocumentWindows().size(), 1);
    EXPECT_TRUE(frame().ActiveDocumentWindow()->isVisible());
    EXPECT_TRUE(frame().ActiveDocument()->ImageIsDefault);
}

TEST_F(Documents, CloseAndCloseBoxOnlyHideAndChannelInformationShowsAgain) {
    app::CChildFrame* window = frame().ActiveDocumentWindow();
    window->GetDocument()->Image[0x30] = 0x42;
    frame().Action(ui::cmd::kFileClose)->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(frame().ActiveDocumentWindow(), window);
    EXPECT_TRUE(frame().DocumentMenuShown());
    EXPECT_TRUE(frame().Action(ui::cmd::kChannelInfo)->isEnabled());

    frame().Action(ui::cmd::kChannelInfo)->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->GetDocument()->Image[0x30], 0x42);

    window->close();  // the close box
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(frame().DocumentWindows().size(), 1);
    frame().OnChannelInfo();
    EXPECT_TRUE(window->isVisible());
}

TEST_F(Documents, SaveOfANewDocumentProposesAppNameThenSavesInPlace) {
    const QString target = h.dir.File(QStringLiteral("saved"));
    h.services.saveAnswers.push_back(target);
    frame().Action(ui::cmd::kFileSave)->trigger();
    ASSERT_EQ(h.services.saveProposals.size(), 1u);
    EXPECT_EQ(h.services.saveProposals[0], QStringLiteral("QM530Test"));
    QFile saved(target + QStringLiteral(".dat"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.size(), 1024);
    saved.close();
    EXPECT_EQ(frame().ActiveDocument()->PathName(), (target + ".dat").toStdString());

    // The path now names a writable file: no dialog the second time.
    frame().ActiveDocument()->Image[0x3C0] = 0x5A;
    EXPECT_TRUE(frame().OnFileSave());
    EXPECT_EQ(h.services.saveProposals.size(), 1u);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(static_cast<unsigned char>(saved.readAll().at(0x3C0)), 0x5A);
}

TEST_F(Documents, SaveOfANewDocumentLeavesAFileNamedAppNameAlone) {
    // Someone else's file, named like the proposal, in the current directory.
    struct InDirectory {
        QString previous = QDir::currentPath();
        ~InDirectory() { QDir::setCurrent(previous); }
    } restore;
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(h.dir.Path())));
    const QByteArray theirs("not a radio image");
    QFile other(QStringLiteral("QM530Test"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write(theirs);
    other.close();

    frame().Action(ui::cmd::kFileSave)->trigger();  // the name dialog is cancelled
    const QString target = h.dir.File(QStringLiteral("mine"));
    h.services.saveAnswers.push_back(target);
    const bool saved = frame().OnFileSave();

    ASSERT_EQ(h.services.saveProposals.size(), 2u);
    EXPECT_EQ(h.services.saveProposals[0], QStringLiteral("QM530Test"));
    EXPECT_EQ(h.services.saveProposals[1], QStringLiteral("QM530Test"));
    EXPECT_TRUE(saved);
    EXPECT_EQ(QFileInfo(target + QStringLiteral(".dat")).size(), 1024);
    ASSERT_TRUE(other.open(QIODevice::ReadOnly));
    EXPECT_EQ(other.readAll(), theirs);
}

TEST_F(Documents, SaveOfAFileThatIsGoneAsksForAName) {
    const QString path = WriteDat(h.dir.File(QStringLiteral("gone.dat")), 1024);
    ASSERT_TRUE(frame().OpenDocumentFile(path));
    QFile::remove(path);
    EXPECT_FALSE(frame().OnFileSave());  // dialog cancelled
    ASSERT_EQ(h.services.saveProposals.size(), 1u);
    EXPECT_EQ(h.services.saveProposals[0], path);
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(Documents, CaptionIsWindowTitleOnly) {
    frame().SetWindowTitleText("QM530 CPS  [ Type:QM-520  Fre:130 - 160MHz ]");
    EXPECT_EQ(frame().windowTitle(),
              QStringLiteral("QM530 CPS  [ Type:QM-520  Fre:130 - 160MHz ]"));
    frame().ActiveDocumentWindow()->showMaximized();
    QApplication::processEvents();
    EXPECT_EQ(frame().windowTitle(),
              QStringLiteral("QM530 CPS  [ Type:QM-520  Fre:130 - 160MHz ]"));
    frame().OpenDocumentFile(WriteDat(h.dir.File(QStringLiteral("c.dat")), 1024));
    frame().ActiveDocumentWindow()->showMaximized();
    QApplication::processEvents();
    EXPECT_FALSE(frame().windowTitle().contains(QStringLiteral("c.dat")));
    EXPECT_EQ(frame().windowTitle(), QString::fromStdString(h.ctx.WindowTitle));
}

TEST_F(Documents, MenusCommandsAndAccelerators) {
    const struct {
        int id;
        QKeySequence key;
    } keys[] = {{ui::cmd::kFileNew, QKeySequence("Ctrl+N")},
                {ui::cmd::kFileOpen, QKeySequence("Ctrl+O")},
                {ui::cmd::kFileSave, QKeySequence("Ctrl+S")},
                {ui::cmd::kFilePrint, QKeySequence("Ctrl+P")},
                {ui::cmd::kRead, QKeySequence("Ctrl+R")},
                {ui::cmd::kWrite, QKeySequence("Ctrl+W")},
                {ui::cmd::kNextPane, QKeySequence("F6")},
                {ui::cmd::kPrevPane, QKeySequence("Shift+F6")}};
    for (const auto& k : keys) EXPECT_EQ(frame().Action(k.id)->shortcut(), k.key) << k.id;
    for (int id :
         {ui::cmd::kFilePrint, ui::cmd::kFilePrintPreview, ui::cmd::kRead, ui::cmd::kWrite}) {
        EXPECT_TRUE(frame().Action(id)->isEnabled()) << id;
    }
    EXPECT_TRUE(frame().Action(ui::cmd::kLanguage)->isEnabled());
    EXPECT_EQ(frame().Action(ui::cmd::kRead)->statusTip(), QStringLiteral("Read Data From Radio"));
    EXPECT_EQ(frame().Action(ui::cmd::kRead)->toolTip(), QStringLiteral("Read"));

    // Without document windows: the short menu.
    frame().DestroyDocumentWindow(frame().ActiveDocumentWindow());
    QStringList menus;
    for (QMenu* m : frame().ShownMenus()) menus << m->title();
    EXPECT_EQ(menus, QStringList({"&File", "&View", "&Help"}));
    EXPECT_EQ(frame().ActiveDocumentWindow(), nullptr);
    EXPECT_FALSE(frame().Action(ui::cmd::kChannelInfo)->isEnabled());
    frame().OnFileNew();  // no question without an active window
    EXPECT_TRUE(h.services.boxes.empty());
    EXPECT_TRUE(frame().DocumentMenuShown());
}

TEST(Workspace, TilesCoverTheClientAreaFromTheTopLeft) {
    std::vector<QPoint> expected;
    for (int x : {0, 100, 200}) {
        for (int y : {0, 80, 160}) expected.emplace_back(x, y);
    }
    EXPECT_EQ(app::TilePositions(QSize(250, 160), QSize(100, 80)), expected);
    EXPECT_EQ(app::TilePositions(QSize(50, 40), QSize(100, 80)), std::vector<QPoint>{QPoint(0, 0)});
    EXPECT_TRUE(app::TilePositions(QSize(50, 40), QSize(0, 80)).empty());
}

TEST(Workspace, BackgroundIsReadAfreshAndFallsBackToBitmap137) {
    Harness h(ProgramIni("English"));
    ASSERT_TRUE(h.Start());
    app::CMdiClientWnd* workspace = h.Frame()->Workspace();
    EXPECT_EQ(workspace->BackgroundTile().size(), QSize(128, 128));  // background.bmp
    QFile::remove(h.dir.File(QStringLiteral("background.bmp")));
    EXPECT_EQ(workspace->BackgroundTile().size(), QSize(64, 64));  // bitmap 137
    QImage small(10, 20, QImage::Format_RGB32);
    small.fill(Qt::red);
    small.save(h.dir.File(QStringLiteral("background.bmp")), "BMP");
    EXPECT_EQ(workspace->BackgroundTile().size(), QSize(10, 20));
}

}  // namespace
}  // namespace qm530::test

namespace qm530::test {
namespace {

// What is no radio image is refused with the reason the file itself gave,
// and a file longer than an image is shown but never saved over.
TEST_F(Documents, FilesThatAreNoRadioImages) {
    const QString fifo = h.dir.File(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const QString json = h.dir.File(QStringLiteral("config.json"));
    {
        QFile f(json);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("{\n  \"model\": \"QM-520\",\n  \"channels\": []\n}\n");
    }
    const std::pair<QString, QString> refusals[] = {
        {fifo, QStringLiteral("This is not a file.")},
        {QStringLiteral("/dev/zero"), QStringLiteral("This is not a file.")},
        {json, QStringLiteral("import --format json")}};
    for (const auto& [path, reason] : refusals) {
        EXPECT_FALSE(frame().OpenDocumentFile(path)) << path.toStdString();
        EXPECT_TRUE(h.services.boxes.back().text.contains(reason))
            << h.services.boxes.back().text.toStdString();
    }
    EXPECT_EQ(frame().DocumentWindows().size(), 1);

    const QString longer = WriteDat(h.dir.File(QStringLiteral("long.dat")), 1100);
    ASSERT_TRUE(frame().OpenDocumentFile(longer));
    EXPECT_TRUE(h.services.boxes.back().text.contains(QStringLiteral("1100")));
    // Save asks for a new name; the same name is refused with the reason.
    h.services.saveAnswers.push_back(longer);
    EXPECT_FALSE(frame().OnFileSave());
    EXPECT_EQ(h.services.saveProposals.back(), longer);
    EXPECT_TRUE(h.services.boxes.back().text.contains(QStringLiteral("Save As")))
        << h.services.boxes.back().text.toStdString();
    EXPECT_EQ(QFileInfo(longer).size(), 1100);
    const QString fresh = h.dir.File(QStringLiteral("fresh.dat"));
    h.services.saveAnswers.push_back(fresh);
    EXPECT_TRUE(frame().OnFileSave());
    EXPECT_EQ(QFileInfo(fresh).size(), 1024);
}

}  // namespace
}  // namespace qm530::test
