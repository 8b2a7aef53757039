// The program as a screen reader sees it, in both languages: every window
// and dialog, opened from the keyboard, walked through Qt's accessibility
// interfaces (offscreen, no D-Bus), and the channel grid's table interface.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "app/child_frame.h"
#include "editor/channel_editor.h"
#include "editor/channel_grid.h"
#include "editor/program_view.h"
#include "link/process_dlg.h"
#include "sim/virtual_radio.h"
#include "support/gui_fixture.h"
#include "ui/command_ids.h"
#include "ui/ui_services.h"

namespace qm530::test {
namespace {

QString Describe(QAccessibleInterface* iface) {
    const QObject* object = iface->object();
    return QStringLiteral("%1 role %2 \"%3\"")
        .arg(object ? QString::fromLatin1(object->metaObject()->className()) + QLatin1Char(' ') +
                          object->objectName()
                    : QStringLiteral("(item)"))
        .arg(static_cast<int>(iface->role()))
        .arg(iface->text(QAccessible::Value));
}

// Every object a person can reach (focusable, or with an action) that has
// no name, below `iface`.
void CollectUnnamed(QAccessibleInterface* iface, QStringList& unnamed, int depth = 0) {
    if (iface == nullptr || !iface->isValid() || depth > 30) return;
    const QAccessible::State state = iface->state();
    if (state.invisible) return;
    QAccessibleActionInterface* actions = iface->actionInterface();
    const bool actionable = actions != nullptr && !actions->actionNames().isEmpty();
    // Scroll bars and their parts are named by their place, not by a label.
    const bool scrolling = iface->role() == QAccessible::ScrollBar;
    if (scrolling) return;
    if ((state.focusable || actionable) && iface->text(QAccessible::Name).trimmed().isEmpty())
        unnamed << Describe(iface);
    // On Linux a list's name is its current entry: what it is for comes from
    // the label it stands beside, its buddy.
    if (iface->role() == QAccessible::ComboBox) {
        const auto* widget = qobject_cast<const QWidget*>(iface->object());
        if (iface->relations(QAccessible::Label).isEmpty() &&
            (widget == nullptr || widget->accessibleName().isEmpty()))
            unnamed << Describe(iface) + QStringLiteral(" without a label");
    }
    for (int i = 0; i < iface->childCount(); ++i)
        CollectUnnamed(iface->child(i), unnamed, depth + 1);
}

// What CollectUnnamed finds below a window, one object a line.
std::string Unnamed(QWidget* window) {
    QStringList unnamed;
    CollectUnnamed(QAccessible::queryAccessibleInterface(window), unnamed);
    return unnamed.join(QLatin1Char('\n')).toStdString();
}

class Accessibility : public ::testing::TestWithParam<const char*> {
  protected:
    Accessibility() : h(ProgramIni(GetParam())) {}
    void SetUp() override {
        // The Password dialog is the first window a person meets.
        h.services.dialogHandlers.push_back([this](QDialog& dialog) {
            EXPECT_EQ(Unnamed(&dialog), "") << "Password";
            h.AnswerPassword();
            h.services.dialogHandlers.back()(dialog);
        });
        ASSERT_TRUE(h.Start({}, false));
        h.services.dialogHandlers.clear();
        frame = h.Frame();
        frame->showNormal();
        QApplication::setActiveWindow(frame);
        view = frame->ActiveView();
        grid = view->Editor()->Grid();
        QApplication::processEvents();
    }
    QWidget* Focus() const { return FocusIn(frame); }
    bool Chinese() const { return QString::fromLatin1(GetParam()) == QStringLiteral("Chinese"); }
    // Alt+<menu letter>, then the item's letter, as a person types them.
    void MenuKeys(Qt::Key menu, Qt::Key item) {
        QApplication::setActiveWindow(frame);
        QTest::keyClick(Focus(), menu, Qt::AltModifier);
        QApplication::processEvents();
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr);
        QTest::keyClick(popup, item);
        QApplication::processEvents();
    }
    // The next modal dialog is walked and closed with Escape.
    void WalkNextDialog(const QString& what, int* walked) {
        h.services.dialogHandlers.push_back([what, walked](QDialog& dialog) {
            EXPECT_EQ(Unnamed(&dialog), "") << what.toStdString();
            ++*walked;
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
    }
    QString WriteFile(const QString& name, const QByteArray& data) {
        const QString path = h.dir.File(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
        return path;
    }

    Harness h;
    app::CMainFrame* frame = nullptr;
    editor::CProgramView* view = nullptr;
    editor::CChannelGrid* grid = nullptr;
};

TEST_P(Accessibility, EveryWindowAndDialogNamesWhatAPersonCanReach) {
    EXPECT_EQ(Unnamed(frame), "") << "main window";
    // The menus, opened as a person opens them.
    for (Qt::Key key :
         {Qt::Key_F, Qt::Key_E, Qt::Key_P, Qt::Key_V, Qt::Key_S, Qt::Key_W, Qt::Key_H}) {
        QTest::keyClick(Focus(), key, Qt::AltModifier);
        QApplication::processEvents();
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << key;
        EXPECT_EQ(Unnamed(menu), "") << menu->objectName().toStdString();
        menu->close();
    }

    // Every dialog of the menus, from the keyboard.
    int walked = 0;
    const struct {
        const char* what;
        Qt::Key menu;
        Qt::Key item;
    } dialogs[] = {
        {"Product Information", Qt::Key_E, Qt::Key_P},
        {"Optional Features", Qt::Key_E, Qt::Key_O},
        {"Side Key", Qt::Key_E, Qt::Key_K},
        {"Scan Info", Qt::Key_P, Qt::Key_S},
        {"Com Setup", Qt::Key_S, Qt::Key_C},
        {"Language", Qt::Key_S, Qt::Key_L},
        {"Print Setup", Qt::Key_F, Qt::Key_R},
        {"Open Backup", Qt::Key_F, Qt::Key_B},
        {"About", Qt::Key_H, Qt::Key_A},
    };
    for (const auto& dialog : dialogs) {
        WalkNextDialog(QString::fromLatin1(dialog.what), &walked);
        MenuKeys(dialog.menu, dialog.item);
    }
    EXPECT_EQ(walked, static_cast<int>(std::size(dialogs)));

    // Import: the preview of a channel list.
    h.services.openAnswers.push_back(
        WriteFile(QStringLiteral("list.csv"),
                  "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,Mode\n"
                  "1,CALL,146.520000,,0.000000,,88.5,88.5,FM\n"
                  "2,RPT,145.110000,-,0.600000,Tone,100.0,100.0,NFM\n"));
    WalkNextDialog(QStringLiteral("Import preview"), &walked);
    MenuKeys(Qt::Key_F, Qt::Key_I);
    // Compare with a file: the source choice, then the differences.
    h.services.dialogHandlers.push_back([&walked](QDialog& dialog) {
        EXPECT_EQ(Unnamed(&dialog), "") << "Compare source";
        ++walked;
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    h.services.openAnswers.push_back(WriteDat(h.dir.File(QStringLiteral("other.dat")), 1024));
    WalkNextDialog(QStringLiteral("Compare"), &walked);
    MenuKeys(Qt::Key_F, Qt::Key_M);
    EXPECT_EQ(walked, static_cast<int>(std::size(dialogs)) + 3);

    // The progress window, modeless, and Escape closes it before OK.
    QApplication::setActiveWindow(frame);
    QTest::keyClick(Focus(), Qt::Key_R, Qt::ControlModifier);
    link::CProcessDlg* progress = view->ProcessDlg();
    ASSERT_TRUE(progress->isVisible());
    EXPECT_EQ(Unnamed(progress), "") << "progress window";
    // Its bar is named and reports its value.
    QAccessibleInterface* bar =
        QAccessible::queryAccessibleInterface(progress->findChild<QProgressBar*>());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->text(QAccessible::Name),
              Chinese() ? QStringLiteral("进度") : QStringLiteral("Progress"));
    ASSERT_NE(bar->valueInterface(), nullptr);
    EXPECT_EQ(bar->valueInterface()->currentValue().toInt(), 0);
    QTest::keyClick(progress, Qt::Key_Escape);
    EXPECT_FALSE(progress->isVisible());

    // A real message box, as the program shows it.
    ui::QtUiServices real;
    QTimer::singleShot(0, [] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(Unnamed(box), "") << "message box";
        QTest::keyClick(box, Qt::Key_Escape);
    });
    real.MessageBox(frame, QStringLiteral("Text"), QStringLiteral("Caption"),
                    ui::MsgButtons::SaveDiscardCancel, ui::MsgIcon::Exclamation);

    // The help window, from F1 in the grid.
    QApplication::setActiveWindow(frame);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_F1);
    EXPECT_EQ(h.ctx.help.LastTarget(), QStringLiteral("grid.html#t1000"));
    QTextBrowser* help = h.ctx.help.Window();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(Unnamed(help), "") << "help window";
    EXPECT_TRUE(help->toHtml().contains(QStringLiteral("screenreader.html")));
    help->close();

    // After all of that the whole window is still whole, and named.
    EXPECT_EQ(Unnamed(frame), "") << "main window afterwards";
}

TEST_P(Accessibility, TheGridReadsAsANamedTableOfChannels) {
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->role(), QAccessible::Table);
    EXPECT_EQ(table->text(QAccessible::Name),
              Chinese() ? QStringLiteral("信道") : QStringLiteral("Channels"));
    QAccessibleTableInterface* cells = table->tableInterface();
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(cells->rowCount(), 16);
    EXPECT_EQ(cells->columnCount(), 8);
    EXPECT_EQ(cells->columnDescription(1),
              Chinese() ? QStringLiteral("发射频率") : QStringLiteral("Tx Frequency"));

    // An empty cell says so; a typed one says its value.
    QAccessibleInterface* rx = cells->cellAt(2, 0);
    ASSERT_NE(rx, nullptr);
    EXPECT_EQ(rx->text(QAccessible::Name),
              Chinese() ? QStringLiteral("空") : QStringLiteral("empty"));
    grid->SetCurrentCell(3, 1);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("145.125"));
    // The editor is named after its column and channel.
    EXPECT_EQ(
        QApplication::focusWidget()->accessibleName(),
        Chinese() ? QStringLiteral("接收频率，信道 3") : QStringLiteral("Rx Frequency, channel 3"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(cells->cellAt(2, 0)->text(QAccessible::Name), QStringLiteral("145.12500"));

    // The row headers: "Channel N", with the whole channel as description.
    QAccessibleInterface* header = nullptr;
    for (int i = 0; i < table->childCount(); ++i) {
        QAccessibleInterface* child = table->child(i);
        if (child && child->role() == QAccessible::RowHeader &&
            child->text(QAccessible::Name) ==
                (Chinese() ? QStringLiteral("信道 3") : QStringLiteral("Channel 3")))
            header = child;
    }
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->text(QAccessible::Description),
              Chinese() ? QStringLiteral("信道 3：接收 145.125，高功率，宽带")
                        : QStringLiteral("Channel 3: receive 145.125, high power, wide"));

    // Ctrl+I puts the same phrase where a screen reader reads it.
    grid->SetCurrentCell(3, 2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(frame->MessagePane()->text(), header->text(QAccessible::Description));
    EXPECT_EQ(QApplication::focusWidget()->accessibleDescription(),
              header->text(QAccessible::Description));
}

TEST_P(Accessibility, TheGridKeepsACurrentCellAndSurvivesAReadUnderWalking) {
    // Whole channels selected through their numbers, cleared, moved: there
    // is always a current cell.
    grid->SetCurrentCell(2, 1);
    grid->selectRow(1);
    QTest::keyClick(grid, Qt::Key_Delete);
    EXPECT_TRUE(grid->currentIndex().isValid());
    grid->selectionModel()->clear();
    EXPECT_TRUE(grid->currentIndex().isValid());
    EXPECT_EQ(grid->Row(), 2);

    // A read from the virtual radio refills the grid while it is walked.
    sim::RadioOptions options;
    options.pace = false;
    sim::VirtualRadio radio(options);
    ASSERT_TRUE(radio.Start().ok());
    view->PortName = radio.DevicePath();
    QTest::keyClick(Focus(), Qt::Key_R, Qt::ControlModifier);
    ASSERT_TRUE(view->ProcessDlg()->isVisible());
    QTest::keyClick(view->ProcessDlg(), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view->ProcessDlg()->Exists(); }, 20000));
    ASSERT_TRUE(view->LastTransfer().completed());
    EXPECT_TRUE(grid->currentIndex().isValid());
    EXPECT_EQ(Unnamed(frame), "");
    // The end of the read is said in words.
    int channels = 0;
    for (int row = 1; row <= 16; ++row) channels += view->Table().Cell(row, 1).empty() ? 0 : 1;
    EXPECT_EQ(frame->MessagePane()->text(),
              (Chinese() ? QStringLiteral("读数据完成：%1 个信道")
                         : QStringLiteral("Read complete: %1 channels"))
                  .arg(channels));
}

TEST_P(Accessibility, ARefusedCellIsReportedAndKeepsTheFocus) {
    grid->SetCurrentCell(2, 1);
    grid->SetCurrentCell(1, 1);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("170"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_EQ(h.services.boxes.size(), 1u);
    EXPECT_EQ(h.services.boxes[0].text, Chinese()
                                            ? QStringLiteral("超出范围，请重新输入。")
                                            : QStringLiteral("Out of range,please input again."));
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->Col(), 1);
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_TRUE(focus == grid || grid->isAncestorOf(focus));
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, Accessibility, ::testing::Values("English", "Chinese"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace qm530::test
