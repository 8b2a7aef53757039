// The CAP, NUM and SCRL panes of the status bar with a source of lock
// states of the test's own, and in the running program offscreen.
#include "app/lock_panes.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>

#include "app/lock_keys.h"
#include "support/gui_fixture.h"

namespace qm530::test {
namespace {

class FakeLocks : public app::LockKeySource {
  public:
    explicit FakeLocks(std::optional<app::LockKeyStates>* states) : states_(states) {}
    std::optional<app::LockKeyStates> Query() override { return *states_; }

  private:
    std::optional<app::LockKeyStates>* states_;
};

struct Panes {
    QWidget window;
    QLabel cap{QStringLiteral("CAP"), &window};
    QLabel num{QStringLiteral("NUM"), &window};
    QLabel scrl{QStringLiteral("SCRL"), &window};
    QLineEdit typing{&window};
    std::vector<bool> Lit() const { return {cap.isEnabled(), num.isEnabled(), scrl.isEnabled()}; }
};

TEST(LockPanes, FollowTheLockKeysAndStayGreyWhenTheSourceCannotTell) {
    App();
    Panes p;
    std::optional<app::LockKeyStates> states = app::LockKeyStates{true, false, true};
    app::LockPanes panes(std::make_unique<FakeLocks>(&states), {&p.cap, &p.num, &p.scrl}, nullptr);
    EXPECT_TRUE(panes.CanTell());
    EXPECT_EQ(p.Lit(), (std::vector<bool>{true, false, true}));

    // A lock key pressed in the program: the panes follow at once.
    states = app::LockKeyStates{false, true, true};
    QTest::keyClick(&p.typing, Qt::Key_CapsLock);
    EXPECT_EQ(p.Lit(), (std::vector<bool>{false, true, true}));
    states = app::LockKeyStates{false, true, false};
    QTest::keyClick(&p.typing, Qt::Key_ScrollLock);
    EXPECT_EQ(p.Lit(), (std::vector<bool>{false, true, false}));
    // Other keys do not ask.
    states = app::LockKeyStates{true, true, true};
    QTest::keyClick(&p.typing, Qt::Key_A);
    EXPECT_EQ(p.Lit(), (std::vector<bool>{false, true, false}));
    // A lock changed in another program shows when this one is active again.
    QEvent activate(QEvent::ApplicationActivate);
    QApplication::sendEvent(qApp, &activate);
    EXPECT_EQ(p.Lit(), (std::vector<bool>{true, true, true}));

    // The source loses its answer: grey, not the last states.
    states.reset();
    QTest::keyClick(&p.typing, Qt::Key_NumLock);
    EXPECT_FALSE(panes.CanTell());
    EXPECT_EQ(p.Lit(), (std::vector<bool>{false, false, false}));
}

TEST(LockPanes, OffscreenThereIsNoSourceAndTheFramesPanesStayGrey) {
    EXPECT_EQ(app::MakeLockKeySource("offscreen"), nullptr);
    EXPECT_EQ(app::MakeLockKeySource("wayland"), nullptr);
    Harness h(ProgramIni("English"));
    ASSERT_TRUE(h.Start());
    h.Frame()->show();
    for (const char* name : {"CAP", "NUM", "SCRL"}) {
        auto* pane = h.Frame()->statusBar()->findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_NE(pane, nullptr) << name;
        EXPECT_FALSE(pane->isEnabled()) << name;
    }
    QTest::keyClick(h.Frame(), Qt::Key_CapsLock);
    auto* cap = h.Frame()->statusBar()->findChild<QLabel*>(QStringLiteral("CAP"));
    EXPECT_FALSE(cap->isEnabled());
}

// On an X display (not under the tests' offscreen platform) the states
// come from the keyboard's indicators. By hand, on a server that keeps its
// state between clients:
//   xvfb-run -s "-noreset -screen 0 800x600x24" sh -c
//     'xdotool key Caps_Lock; QM530_TEST_X11=100 tests/app_gui_tests'
TEST(LockPanes, OnAnXDisplayTheIndicatorsAnswer) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsSet("QM530_TEST_X11"))
        GTEST_SKIP() << "needs an X display and QM530_TEST_X11=1";
    std::unique_ptr<app::LockKeySource> source = app::MakeLockKeySource("xcb");
    ASSERT_NE(source, nullptr);
    const std::optional<app::LockKeyStates> states = source->Query();
    ASSERT_TRUE(states.has_value());
    const QByteArray expected = qgetenv("QM530_TEST_X11");
    if (expected.size() == 3) {  // "CNS" lit as 1/0, e.g. "100"
        EXPECT_EQ(states->caps, expected[0] == '1');
        EXPECT_EQ(states->num, expected[1] == '1');
        EXPECT_EQ(states->scroll, expected[2] == '1');
    }
}

}  // namespace
}  // namespace qm530::test
