#include "link_gui_env.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <cstdlib>
#include <fstream>
#include <memory>

namespace qm530::test {

LinkGuiEnv::LinkGuiEnv(const std::string& extraIni)
    : ctx(ini, services, std::make_unique<config::MemoryRegistry>()) {
    registry = static_cast<config::MemoryRegistry*>(ctx.registry.get());
    const std::string path = dir.filePath(QStringLiteral("Program.ini")).toStdString();
    std::ofstream(path) << "[Setup]\nLanguage=English\nAppName=QM530Test\nType1=QM-520\n"
                           "Field1=130 - 160MHz|400 - 470MHz\n"
                        << extraIni
                        << "[English]\nCompany=QM530 Programming Tool\nAppName=QM530 CPS\n";
    ini.Load(path, false, true, false);
    ctx.LanguageName = "English";
    ctx.ApplicationName = "QM530 Programming Tool";
    ctx.ExeDir = dir.path().toStdString() + "/";
}

void LinkGuiEnv::InstallHelp(std::initializer_list<int> topics) {
    QDir(dir.path()).mkpath(QStringLiteral("enHelp"));
    std::ofstream(dir.filePath(QStringLiteral("enHelp/index.html")).toStdString())
        << "<html></html>\n";
    std::ofstream(dir.filePath(QStringLiteral("enHelp/topic.html")).toStdString())
        << "<html></html>\n";
    std::ofstream map(dir.filePath(QStringLiteral("enHelp/topics.map")).toStdString());
    for (int topic : topics) map << topic << " topic.html#t" << topic << "\n";
    map.close();
    ctx.help.SetHelpRoot(ctx.ExeDir);
    ctx.help.SelectHelpFile(false);
}

}  // namespace qm530::test
