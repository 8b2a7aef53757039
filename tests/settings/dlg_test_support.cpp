#include "dlg_test_support.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPushButton>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

namespace qm530::test {

const char* const kTestIni =
    "[Setup]\n"
    "Language=English\n"
    "AppName=QM530\n"
    "Type1=QM-520\n"
    "Field1=130 - 160MHz|400 - 470MHz\n"
    "Type2=QM-530\n"
    "Field2=136 - 174MHz|400 - 480MHz\n"
    "[English]\n"
    "Company=QM530 Programming Tool\n"
    "AppName=QM530 CPS\n"
    "[Chinese]\n"
    "Company=QM530 写频软件\n"
    "AppName=QM530 写频软件\n";

namespace {

// One QApplication per test process. QSettings reads XDG_CONFIG_HOME only
// once, so it is pointed at a private directory before anything else.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        config_ = std::make_unique<QTemporaryDir>();
        setenv("QT_QPA_PLATFORM", "offscreen", 0);  // when run by hand
        setenv("XDG_CONFIG_HOME", config_->path().toLocal8Bit().constData(), 1);
        static int argc = 1;
        static char name[] = "settings_dialog_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override {
        app_.reset();
        config_.reset();
    }

private:
    std::unique_ptr<QTemporaryDir> config_;
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

DialogEnv::DialogEnv(const std::string& iniText, UiLanguage lang, std::unique_ptr<CRegistry> registry)
    : ctx(ini, services, registry ? std::move(registry) : std::make_unique<CMemoryRegistry>()) {
    const std::string path = dir.filePath(QStringLiteral("Program.ini")).toStdString();
    std::ofstream(path) << iniText;
    ini.Load(path, false, true, false);
    ctx.UiLanguage = lang;
    ctx.LanguageName = lang == UiLanguage::Chinese ? "Chinese" : "English";
    ctx.ApplicationName = ctx.LanguageValue("Company");
}

int DialogEnv::Run(QDialog& dialog, std::function<void(QDialog&)> drive) {
    services.dialogHandlers.push_back([drive = std::move(drive)](QDialog& d) {
        QApplication::setActiveWindow(&d);
        drive(d);
    });
    return services.ExecDialog(dialog);
}

void ClickOk(QDialog& dialog) {
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("OkButton")), Qt::LeftButton);
}

void ClickCancel(QDialog& dialog) {
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("CancelButton")), Qt::LeftButton);
}

void Choose(QComboBox* list, const QString& text) {
    const int position = list->findText(text, Qt::MatchExactly);
    ASSERT_GE(position, 0) << text.toStdString();
    list->showPopup();
    QAbstractItemView* view = list->view();
    const QModelIndex index = view->model()->index(position, list->modelColumn(), view->rootIndex());
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    QCoreApplication::processEvents();
}

void Focus(QWidget* w) {
    w->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
}

}  // namespace qm530::test
