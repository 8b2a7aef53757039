#include "link_gui_env.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <cstdlib>
#include <fstream>
#include <memory>

namespace qm530::test {

namespace {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        config_ = std::make_unique<QTemporaryDir>();
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        setenv("XDG_CONFIG_HOME", config_->path().toLocal8Bit().constData(), 1);
        static int argc = 1;
        static char name[] = "link_gui_tests";
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

LinkGuiEnv::LinkGuiEnv(const std::string& extraIni)
    : ctx(ini, services, std::make_unique<CMemoryRegistry>()) {
    registry = static_cast<CMemoryRegistry*>(ctx.registry.get());
    const std::string path = dir.filePath(QStringLiteral("Program.ini")).toStdString();
    std::ofstream(path) << "[Setup]\nLanguage=English\nAppName=QM530Test\nType1=QM-520\n"
                           "Field1=130 - 160MHz|400 - 470MHz\n"
                        << extraIni << "[English]\nCompany=QM530 Programming Tool\nAppName=QM530 CPS\n";
    ini.Load(path, false, true, false);
    ctx.LanguageName = "English";
    ctx.ApplicationName = "QM530 Programming Tool";
    ctx.ExeDir = dir.path().toStdString() + "/";
}

void LinkGuiEnv::InstallHelp(std::initializer_list<int> topics) {
    QDir(dir.path()).mkpath(QStringLiteral("enHelp"));
    std::ofstream(dir.filePath(QStringLiteral("enHelp/index.html")).toStdString()) << "<html></html>\n";
    std::ofstream(dir.filePath(QStringLiteral("enHelp/topic.html")).toStdString()) << "<html></html>\n";
    std::ofstream map(dir.filePath(QStringLiteral("enHelp/topics.map")).toStdString());
    for (int topic : topics) map << topic << " topic.html#t" << topic << "\n";
    map.close();
    ctx.help.SetHelpRoot(ctx.ExeDir);
    ctx.help.SelectHelpFile(false);
}

}  // namespace qm530::test
