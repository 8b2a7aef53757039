// The navigation bar: tree actions with the root reselected, the close
// button, the resize strip and View > Control Bar.
#include <QDockWidget>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include "app/child_frame.h"
#include "app/navigation_bar.h"
#include "support/gui_fixture.h"
#include "ui/command_ids.h"

namespace qm530::test {
namespace {

class Navigation : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(h.Start());
        bar = h.Frame()->NavigationBar();
        tree = bar->Tree();
        h.Frame()->resize(1000, 600);
        h.Frame()->showNormal();
        QApplication::processEvents();
        bar->cursorPos = [this] { return cursor; };
    }
    // Puts the mouse cursor over an item and clicks it.
    void ClickItem(QTreeWidgetItem* item) {
        const QRect r = tree->visualItemRect(item);
        cursor = tree->viewport()->mapToGlobal(r.center());
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, r.center());
        QApplication::processEvents();
    }
    QTreeWidgetItem* Child(int i) { return bar->RootItem()->child(i); }

    Harness h{ProgramIni("English")};
    app::CNavigationBar* bar = nullptr;
    QTreeWidget* tree = nullptr;
    QPoint cursor{-1000, -1000};
};

TEST_F(Navigation, ChannelInformationShowsTheHiddenWindowAndRootIsReselected) {
    app::CChildFrame* window = h.Frame()->ActiveDocumentWindow();
    window->close();
    ASSERT_FALSE(window->isVisible());
    QSignalSpy spy(bar, &app::CNavigationBar::AreaRequested);
    ClickItem(Child(app::CNavigationBar::ChannelInformation));
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(spy.count(), 1) << "the reselection must not open it a second time";
    EXPECT_EQ(spy[0][0].toInt(), app::CNavigationBar::ChannelInformation);
    EXPECT_EQ(tree->currentItem(), bar->RootItem());

    // The same item again opens it again.
    window->close();
    ClickItem(Child(app::CNavigationBar::ChannelInformation));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(spy.count(), 2);
}

TEST_F(Navigation, EveryItemAsksForItsAreaAndTheRootForNothing) {
    QSignalSpy spy(bar, &app::CNavigationBar::AreaRequested);
    for (int area = 0; area < 4; ++area) ClickItem(Child(area));
    ClickItem(bar->RootItem());
    ASSERT_EQ(spy.count(), 4);
    for (int area = 0; area < 4; ++area) EXPECT_EQ(spy[area][0].toInt(), area);
    EXPECT_EQ(tree->currentItem(), bar->RootItem());
}

TEST_F(Navigation, KeyboardSelectionAwayFromTheMouseOpensNothing) {
    QSignalSpy spy(bar, &app::CNavigationBar::AreaRequested);
    cursor = QPoint(-1000, -1000);
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_Down);
    QApplication::processEvents();
    EXPECT_EQ(spy.count(), 0);
    EXPECT_EQ(tree->currentItem(), bar->RootItem());
}

TEST_F(Navigation, CloseButtonHidesTheBarAndControlBarBringsItBack) {
    QAction* control = h.Frame()->Action(ui::cmd::kControlBar);
    EXPECT_TRUE(control->isChecked());
    bar->update();
    QApplication::processEvents();
    const QPoint close = bar->CloseButtonRect().center();
    ASSERT_FALSE(bar->CloseButtonRect().isEmpty());

    // Pressed on the button, released outside: nothing.
    QTest::mousePress(bar, Qt::LeftButton, {}, close);
    EXPECT_TRUE(bar->Pressed());
    QTest::mouseMove(bar, QPoint(20, 200));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(20, 200));
    EXPECT_FALSE(h.Frame()->NavigationDock()->isHidden());

    QTest::mouseClick(bar, Qt::LeftButton, {}, close);
    EXPECT_TRUE(h.Frame()->NavigationDock()->isHidden());
    h.Frame()->UpdateCommandUI();
    EXPECT_FALSE(control->isChecked());
    control->trigger();
    EXPECT_FALSE(h.Frame()->NavigationDock()->isHidden());
    EXPECT_TRUE(control->isChecked());
    EXPECT_EQ(bar->BarWidth(), 220);
    control->trigger();
    EXPECT_TRUE(h.Frame()->NavigationDock()->isHidden());
    EXPECT_FALSE(control->isChecked());
}

TEST_F(Navigation, DraggingTheEdgeResizesWithinLimits) {
    auto drag = [&](int toX) {
        bar->update();
        QApplication::processEvents();
        const QRect strip = bar->ResizeStrip();
        EXPECT_EQ(strip.width(), 6);
        EXPECT_EQ(strip.left(), bar->width() - 6);
        const int y = strip.center().y();
        QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(strip.center().x(), y));
        QTest::mouseMove(bar, QPoint(toX, y));
        const int guide = bar->GuideX();
        EXPECT_TRUE(bar->GuideShown());
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(toX, y));
        EXPECT_FALSE(bar->GuideShown());
        return guide;
    };
    EXPECT_EQ(drag(50), 80);         // the guide stops at 80 ...
    EXPECT_EQ(bar->BarWidth(), 50);  // ... the width follows the cursor
    EXPECT_EQ(bar->width(), 50);
    EXPECT_EQ(drag(5), 80);
    EXPECT_EQ(bar->BarWidth(), 11);
    EXPECT_EQ(drag(300), 300);
    EXPECT_EQ(bar->BarWidth(), 300);
}

TEST_F(Navigation, DraggingBeyondHalfTheFrameStopsAtHalf) {
    bar->update();
    QApplication::processEvents();
    const QRect strip = bar->ResizeStrip();
    const int half = h.Frame()->width() / 2;
    const int y = strip.center().y();
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(strip.center().x(), y));
    QTest::mouseMove(bar, QPoint(half + 100, y));
    EXPECT_EQ(bar->GuideX(), half);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(half + 100, y));
    EXPECT_EQ(bar->BarWidth(), half);
}

TEST(NavigationChinese, ChineseItemsOpenTheSameAreas) {
    Harness h(ProgramIni("Chinese"));
    ASSERT_TRUE(h.Start());
    app::CNavigationBar* bar = h.Frame()->NavigationBar();
    QTreeWidget* tree = bar->Tree();
    h.Frame()->showNormal();
    QApplication::processEvents();
    QStringList texts;
    for (int i = 0; i < 4; ++i) texts << bar->RootItem()->child(i)->text(0);
    EXPECT_EQ(texts, QStringList({"类型设置", "信道信息", "可选功能", "侧键设置"}));
    EXPECT_EQ(bar->CaptionText(), QStringLiteral("QM530 写频软件"));
    QSignalSpy spy(bar, &app::CNavigationBar::AreaRequested);
    const QRect r = tree->visualItemRect(bar->RootItem()->child(3));
    bar->cursorPos = [&] { return tree->viewport()->mapToGlobal(r.center()); };
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, r.center());
    QApplication::processEvents();
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy[0][0].toInt(), app::CNavigationBar::SideKey);
}

}  // namespace
}  // namespace qm530::test
