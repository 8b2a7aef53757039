#include "link/com_setup_dlg.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "link/port_device.h"
#include "link_gui_env.h"
#include "sim/pseudo_terminal.h"

namespace qm530::test {
namespace {

class ComSetupDlgTest : public ::testing::Test {
  protected:
    ComSetupDlgTest()
        : env("[Ports]\nCOM1=" + Pty().SlavePath() +
              "\nCOM2=/nonexistent/ttyQM530\n"
              "COM3=" +
              Pty().SlavePath() + "\nCOM4=/nonexistent/ttyQM531\n") {}

    static sim::PseudoTerminal& Pty() {
        static sim::PseudoTerminal* pty = [] {
            auto* p = new sim::PseudoTerminal;
            EXPECT_TRUE(p->Open().ok());
            return p;
        }();
        return *pty;
    }

    // Runs the dialog; `drive` works it while it is shown.
    int Run(const std::function<void(CComSetupDlg&)>& drive) {
        env.services.dialogHandlers.push_back(
            [&](QDialog& d) { drive(static_cast<CComSetupDlg&>(d)); });
        return env.services.ExecDialog(dlg);
    }

    static int Selected(CComSetupDlg& d) {
        int selected = -1;
        for (int i = 0; i < CComSetupDlg::kPortCount; ++i) {
            if (d.PortButton(i)->isChecked()) {
                EXPECT_EQ(selected, -1) << "two ports selected";
                selected = i;
            }
        }
        return selected;
    }

    LinkGuiEnv env;
    std::string portName = "COM1";
    CComSetupDlg dlg{env.ctx, [this](const std::string& name) { portName = name; }};
};

TEST_F(ComSetupDlgTest, ShowsEachPortsDeviceAndDisablesThoseThatCannotOpen) {
    Run([&](CComSetupDlg& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("COM Setup"));
        EXPECT_EQ(d.PortButton(0)->text(), QStringLiteral("COM1"));
        EXPECT_EQ(d.PortButton(0)->objectName(), QStringLiteral("Radio1007"));
        EXPECT_EQ(d.DeviceLabel(0)->text(), QString::fromStdString(Pty().SlavePath()));
        EXPECT_EQ(d.DeviceLabel(1)->text(), QStringLiteral("/nonexistent/ttyQM530"));
        EXPECT_TRUE(d.PortButton(0)->isEnabled());
        EXPECT_FALSE(d.PortButton(1)->isEnabled());
        EXPECT_TRUE(d.PortButton(2)->isEnabled());
        EXPECT_FALSE(d.PortButton(3)->isEnabled());
    });
}

TEST_F(ComSetupDlgTest, PreselectsTheRememberedPort) {
    Run([&](CComSetupDlg& d) { EXPECT_EQ(Selected(d), 0); });  // nothing remembered: COM1
    env.registry->WriteDword("com", 3);
    Run([&](CComSetupDlg& d) { EXPECT_EQ(Selected(d), 2); });
    // A remembered port that cannot open is still the selected one.
    env.registry->WriteDword("com", 4);
    Run([&](CComSetupDlg& d) {
        EXPECT_EQ(Selected(d), 3);
        EXPECT_FALSE(d.PortButton(3)->isEnabled());
    });
    EXPECT_EQ(portName, "COM1");
}

TEST_F(ComSetupDlgTest, OkGivesThePortToTheViewAndRemembersIt) {
    const int result = Run([&](CComSetupDlg& d) {
        QTest::mouseClick(d.PortButton(2), Qt::LeftButton);
        EXPECT_EQ(Selected(d), 2);
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("OkButton")), Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(portName, "com3");
    EXPECT_EQ(env.registry->ReadDword("com", 0), 3u);
    EXPECT_EQ(link::PortDevice(portName, env.ini), Pty().SlavePath());
}

TEST_F(ComSetupDlgTest, CancelStoresNothing) {
    env.registry->WriteDword("com", 2);
    Run([&](CComSetupDlg& d) {
        QTest::mouseClick(d.PortButton(2), Qt::LeftButton);
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("CancelButton")),
                          Qt::LeftButton);
    });
    EXPECT_EQ(portName, "COM1");
    EXPECT_EQ(env.registry->ReadDword("com", 0), 2u);
}

TEST_F(ComSetupDlgTest, ARememberedNumberOutsideTheFourSelectsNoneAndOkStoresZero) {
    for (std::uint32_t remembered : {0u, 5u}) {
        env.registry->WriteDword("com", remembered);
        Run([&](CComSetupDlg& d) {
            EXPECT_EQ(Selected(d), -1);
            QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("OkButton")),
                              Qt::LeftButton);
        });
        EXPECT_EQ(portName, "com0");
        EXPECT_EQ(env.registry->ReadDword("com", 9), 0u);
        EXPECT_EQ(link::PortDevice(portName, env.ini), "");
    }
}

TEST_F(ComSetupDlgTest, F1OpensItsTopicAndTheDialogStays) {
    env.InstallHelp({32777, 1007});
    Run([&](CComSetupDlg& d) {
        QApplication::setActiveWindow(&d);
        d.PortButton(0)->setFocus();
        QTest::keyClick(d.PortButton(0), Qt::Key_F1);
        EXPECT_EQ(env.ctx.help.LastTarget(), QStringLiteral("topic.html#t32777"));
        EXPECT_TRUE(d.isVisible());
    });
}

TEST_F(ComSetupDlgTest, ArrowsMoveAmongEnabledPortsAndTabLeavesTheGroup) {
    Run([&](CComSetupDlg& d) {
        QApplication::setActiveWindow(&d);
        QApplication::processEvents();
        ASSERT_EQ(QApplication::focusWidget(), d.PortButton(0));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);  // COM2 is disabled
        EXPECT_EQ(QApplication::focusWidget(), d.PortButton(2));
        EXPECT_EQ(Selected(d), 2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);  // wraps round
        EXPECT_EQ(Selected(d), 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        EXPECT_EQ(Selected(d), 2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), d.findChild<QPushButton*>("OkButton"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_EQ(QApplication::focusWidget(), d.PortButton(2));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(portName, "com3");
    // The remembered port cannot open: the focus starts on the first enabled one.
    env.registry->WriteDword("com", 2);
    Run([&](CComSetupDlg& d) {
        QApplication::setActiveWindow(&d);
        QApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), d.PortButton(0));
    });
}

}  // namespace
}  // namespace qm530::test
