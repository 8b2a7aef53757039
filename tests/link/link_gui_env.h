#pragma once

// Set-up shared by the tests of the transfer windows: one offscreen
// QApplication, a Program.ini, scripted UI services and the program context.

#include <QTemporaryDir>
#include <string>

#include "config/ini_file.h"
#include "config/registry.h"
#include "ui/app_context.h"
#include "ui/scripted_ui_services.h"

namespace qm530::test {

class LinkGuiEnv {
  public:
    // `extraIni` is appended to Program.ini (for example a [Ports] section).
    explicit LinkGuiEnv(const std::string& extraIni = "");

    // Help pages with a topic map that sends every listed context number to
    // its own anchor ("topic.html#t<n>").
    void InstallHelp(std::initializer_list<int> topics);

    QTemporaryDir dir;
    config::CIniFile ini;
    ui::ScriptedUiServices services;
    ui::AppContext ctx;
    config::MemoryRegistry* registry;
};

}  // namespace qm530::test
