#include "link/com_setup_dlg.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "link/port_name.h"
#include "link_gui_env.h"
#include "sim/pseudo_terminal.h"
#include "support/fake_sysfs.h"

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
    int Run(const std::function<void(link::CComSetupDlg&)>& drive) {
        env.services.dialogHandlers.push_back(
            [&](QDialog& d) { drive(static_cast<link::CComSetupDlg&>(d)); });
        return env.services.ExecDialog(dlg);
    }

    static int Selected(link::CComSetupDlg& d) {
        int selected = -1;
        for (int i = 0; i < link::CComSetupDlg::kPortCount; ++i) {
            if (d.PortButton(i)->isChecked()) {
                EXPECT_EQ(selected, -1) << "two ports selected";
                selected = i;
            }
        }
        return selected;
    }

    LinkGuiEnv env;
    std::string portName = "COM1";
    link::CComSetupDlg dlg{env.ctx, [this](const std::string& name) { portName = name; }};
};

TEST_F(ComSetupDlgTest, ShowsEachPortsDeviceAndDisablesThoseThatCannotOpen) {
    Run([&](link::CComSetupDlg& d) {
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
    Run([&](link::CComSetupDlg& d) { EXPECT_EQ(Selected(d), 0); });  // nothing remembered: COM1
    env.registry->WriteDword("com", 3);
    Run([&](link::CComSetupDlg& d) { EXPECT_EQ(Selected(d), 2); });
    // A remembered port that cannot open is still the selected one.
    env.registry->WriteDword("com", 4);
    Run([&](link::CComSetupDlg& d) {
        EXPECT_EQ(Selected(d), 3);
        EXPECT_FALSE(d.PortButton(3)->isEnabled());
    });
    EXPECT_EQ(portName, "COM1");
}

TEST_F(ComSetupDlgTest, OkGivesThePortToTheViewAndRemembersIt) {
    const int result = Run([&](link::CComSetupDlg& d) {
        QTest::mouseClick(d.PortButton(2), Qt::LeftButton);
        EXPECT_EQ(Selected(d), 2);
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("OkButton")), Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(portName, "com3");
    EXPECT_EQ(env.registry->ReadDword("com", 0), 3u);
    EXPECT_EQ(link::ResolvePortName(portName, &env.ini), Pty().SlavePath());
}

TEST_F(ComSetupDlgTest, CancelStoresNothing) {
    env.registry->WriteDword("com", 2);
    Run([&](link::CComSetupDlg& d) {
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
        Run([&](link::CComSetupDlg& d) {
            EXPECT_EQ(Selected(d), -1);
            QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("OkButton")),
                              Qt::LeftButton);
        });
        EXPECT_EQ(portName, "com0");
        EXPECT_EQ(env.registry->ReadDword("com", 9), 0u);
        EXPECT_EQ(link::ResolvePortName(portName, &env.ini), "");
    }
}

TEST_F(ComSetupDlgTest, F1OpensItsTopicAndTheDialogStays) {
    env.InstallHelp({32777, 1007});
    Run([&](link::CComSetupDlg& d) {
        QApplication::setActiveWindow(&d);
        d.PortButton(0)->setFocus();
        QTest::keyClick(d.PortButton(0), Qt::Key_F1);
        EXPECT_EQ(env.ctx.help.LastTarget(), QStringLiteral("topic.html#t32777"));
        EXPECT_TRUE(d.isVisible());
    });
}

TEST_F(ComSetupDlgTest, ArrowsMoveAmongEnabledPortsAndTabLeavesTheGroup) {
    Run([&](link::CComSetupDlg& d) {
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
    Run([&](link::CComSetupDlg& d) {
        QApplication::setActiveWindow(&d);
        QApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), d.PortButton(0));
    });
}

// A USB cable on ttyUSB0 with its by-id link and a built-in ttyS0, as the
// kernel shows them, under a folder of the test's own.
class FakeSerialTree {
  public:
    FakeSerialTree() {
        test::AddFakeUsbCable(Root());
        test::AddFakeBuiltInPort(Root(), "ttyS0", "4", true);
    }
    std::string Root() const { return dir.path().toStdString(); }

    static std::string ByIdPath() {
        return std::string("/dev/serial/by-id/") + test::kFakeCableById;
    }

  private:
    QTemporaryDir dir;
};

class ComSetupDevices : public ::testing::Test {
  protected:
    explicit ComSetupDevices(const std::string& ports = "[Ports]\nCOM2=" +
                                                        FakeSerialTree::ByIdPath() +
                                                        "\nCOM4=/nonexistent/ttyQM531\n")
        : env(ports) {
        for (int n = 1; n <= 4; ++n) ::unsetenv(("QM530_COM" + std::to_string(n)).c_str());
        dlg.DevicesRoot = tree.Root();
    }
    int Run(const std::function<void(link::CComSetupDlg&)>& drive) {
        env.services.dialogHandlers.push_back([&](QDialog& d) {
            QApplication::setActiveWindow(&d);
            QApplication::processEvents();
            drive(static_cast<link::CComSetupDlg&>(d));
        });
        return env.services.ExecDialog(dlg);
    }
    // A key to the focused control (the dialog when no port can be opened).
    static void Key(link::CComSetupDlg& d, int key, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &d, static_cast<Qt::Key>(key), modifiers);
    }
    // Alt with the port's number: the focus goes to that port's list.
    static void FocusChoice(link::CComSetupDlg& d, int index) {
        Key(d, Qt::Key_1 + index, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), d.DeviceChoice(index));
    }
    // Program.ini as it is on disk now.
    std::string OnDisk(const std::string& key) {
        config::CIniFile reread;
        EXPECT_TRUE(reread.Load(env.ini.FilePath(), false, true, false));
        return reread.GetValue("Ports", key, "");
    }

    FakeSerialTree tree;
    LinkGuiEnv env;
    link::CComSetupDlg dlg{env.ctx, [](const std::string&) {}};
};

TEST_F(ComSetupDevices, EachPortShowsWhatItsDeviceIs) {
    Run([&](link::CComSetupDlg& d) {
        const QString usb = QStringLiteral("USB 0403:6001, FTDI, FT232R USB UART, serial A50285BI");
        // COM1 by default, COM2 through the by-id link to the same cable.
        EXPECT_EQ(d.DeviceLabel(0)->text(), QStringLiteral("/dev/ttyUSB0"));
        EXPECT_EQ(d.DescriptionLabel(0)->text(), usb);
        EXPECT_EQ(d.DeviceLabel(1)->text(), QString::fromStdString(FakeSerialTree::ByIdPath()));
        EXPECT_EQ(d.DescriptionLabel(1)->text(), usb + QStringLiteral(", /dev/ttyUSB0"));
        EXPECT_EQ(d.DeviceLabel(2)->text(), QStringLiteral("/dev/ttyUSB2"));
        EXPECT_EQ(d.DescriptionLabel(2)->text(), QStringLiteral("not present"));
        EXPECT_EQ(d.DescriptionLabel(3)->text(), QStringLiteral("not present"));
        // Each list: the default, the devices found, COM4's own device and
        // the virtual radio inside the program.
        QComboBox* com4 = d.DeviceChoice(3);
        ASSERT_EQ(com4->count(), 5);
        EXPECT_EQ(com4->itemText(0), QStringLiteral("Default (/dev/ttyUSB3)"));
        EXPECT_EQ(com4->currentText(), QStringLiteral("/nonexistent/ttyQM531"));
        EXPECT_EQ(com4->itemText(2), QStringLiteral("/dev/ttyUSB0: ") + usb);
        EXPECT_EQ(com4->itemText(3), QStringLiteral("/dev/ttyS0: built-in serial port"));
        EXPECT_EQ(com4->itemText(4), QStringLiteral("Virtual radio (no cable)"));
        EXPECT_EQ(com4->itemData(4).toString(), QStringLiteral("virtual"));
        EXPECT_EQ(d.DeviceChoice(0)->count(), 4);
        EXPECT_EQ(d.DeviceChoice(0)->currentIndex(), 0);
        EXPECT_EQ(d.DeviceChoice(1)->currentIndex(), 1);
    });
}

TEST_F(ComSetupDevices, AChoiceMadeWithTheKeysIsStoredOnOkForBothPrograms) {
    const int result = Run([&](link::CComSetupDlg& d) {
        FocusChoice(d, 2);
        Key(d, Qt::Key_Down);  // the cable, by its by-id name
        EXPECT_EQ(d.DeviceLabel(2)->text(), QString::fromStdString(FakeSerialTree::ByIdPath()));
        EXPECT_TRUE(d.DescriptionLabel(2)->text().startsWith(QStringLiteral("USB 0403:6001")));
        FocusChoice(d, 3);
        Key(d, Qt::Key_End);  // the virtual radio, always there and never busy
        EXPECT_EQ(d.DeviceLabel(3)->text(), QStringLiteral("virtual"));
        EXPECT_EQ(d.DescriptionLabel(3)->text(),
                  QStringLiteral("the virtual radio inside the program"));
        EXPECT_TRUE(d.PortButton(3)->isEnabled());
        Key(d, Qt::Key_Up);  // the built-in port
        EXPECT_EQ(d.DeviceLabel(3)->text(), QStringLiteral("/dev/ttyS0"));
        FocusChoice(d, 1);
        Key(d, Qt::Key_Home);  // back to the default
        EXPECT_EQ(d.DeviceLabel(1)->text(), QStringLiteral("/dev/ttyUSB1"));
        Key(d, Qt::Key_Return);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(link::ResolvePortName("COM3", &env.ini), FakeSerialTree::ByIdPath());
    EXPECT_EQ(link::ResolvePortName("COM4", &env.ini), "/dev/ttyS0");
    EXPECT_EQ(link::ResolvePort("COM2", &env.ini).source, link::PortSource::kDefault);
    EXPECT_EQ(OnDisk("COM3"), FakeSerialTree::ByIdPath());
    EXPECT_EQ(OnDisk("COM4"), "/dev/ttyS0");
    EXPECT_EQ(OnDisk("COM2"), "");
    // The next time the lists show what was stored.
    Run([&](link::CComSetupDlg& d) {
        EXPECT_EQ(d.DeviceChoice(2)->currentIndex(), 1);
        EXPECT_EQ(d.DeviceChoice(1)->currentIndex(), 0);
        Key(d, Qt::Key_Escape);
    });
}

TEST_F(ComSetupDevices, CancelStoresNoChoice) {
    const std::string before = OnDisk("COM2");
    const int result = Run([&](link::CComSetupDlg& d) {
        FocusChoice(d, 1);
        Key(d, Qt::Key_Home);
        FocusChoice(d, 0);
        Key(d, Qt::Key_End);
        Key(d, Qt::Key_Escape);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(OnDisk("COM2"), before);
    EXPECT_EQ(env.ini.GetValue("Ports", "COM2", ""), FakeSerialTree::ByIdPath());
    EXPECT_EQ(env.ini.GetValue("Ports", "COM1", ""), "");
    EXPECT_FALSE(env.ini.Modified());
}

TEST_F(ComSetupDevices, TheEnvironmentVariableWinsAndItsListIsDisabled) {
    ::setenv("QM530_COM1", "/dev/ttyS0", 1);
    Run([&](link::CComSetupDlg& d) {
        EXPECT_FALSE(d.DeviceChoice(0)->isEnabled());
        EXPECT_EQ(d.DeviceLabel(0)->text(), QStringLiteral("/dev/ttyS0"));
        EXPECT_EQ(
            d.DescriptionLabel(0)->text(),
            QStringLiteral("Set by the environment variable QM530_COM1; built-in serial port"));
        Key(d, Qt::Key_Return);
    });
    ::unsetenv("QM530_COM1");
    EXPECT_EQ(env.ini.GetValue("Ports", "COM1", ""), "");
}

// A port whose list points it at a device that opens becomes selectable.
class ComSetupProbe : public ComSetupDevices {
  protected:
    ComSetupProbe() : ComSetupDevices("[Ports]\nCOM2=/nonexistent/ttyQM530\n") {}
};

TEST_F(ComSetupProbe, AChosenDeviceIsProbedAgain) {
    sim::PseudoTerminal pty;
    ASSERT_TRUE(pty.Open().ok());
    env.ini.SetValue("Ports", "COM1", pty.SlavePath());
    Run([&](link::CComSetupDlg& d) {
        EXPECT_TRUE(d.PortButton(0)->isEnabled());
        EXPECT_FALSE(d.PortButton(1)->isEnabled());
        EXPECT_EQ(d.DescriptionLabel(0)->text(),
                  QStringLiteral("not among the serial devices found"));
        FocusChoice(d, 0);
        Key(d, Qt::Key_Home);  // /dev/ttyUSB0: not here
        EXPECT_FALSE(d.PortButton(0)->isEnabled());
        Key(d, Qt::Key_Down);  // the pty again
        EXPECT_TRUE(d.PortButton(0)->isEnabled());
        Key(d, Qt::Key_Escape);
    });
}

}  // namespace
}  // namespace qm530::test
