#pragma once

// Shared set-up of the settings dialog tests: a QApplication (created once,
// after XDG_CONFIG_HOME points at a private directory), a Program.ini, the
// scripted UI services and the program context.

#include <QComboBox>
#include <QDialog>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>
#include <string>

#include "config/ini_file.h"
#include "config/registry.h"
#include "support/gui_fixture.h"
#include "ui/app_context.h"
#include "ui/scripted_ui_services.h"

namespace qm530::test {

// The Program.ini of the tests: two models, the second with two bands.
extern const char* const kTestIni;

class DialogEnv {
  public:
    // `iniText` becomes Program.ini; `registry` defaults to one in memory.
    explicit DialogEnv(const std::string& iniText = kTestIni, UiLanguage lang = UiLanguage::English,
                       std::unique_ptr<config::Registry> registry = nullptr);

    PackOf pack;
    config::CIniFile ini;
    ui::ScriptedUiServices services;
    ui::AppContext ctx;
    QTemporaryDir dir;

    // Shows the dialog through the UI services and lets `drive` work it.
    int Run(QDialog& dialog, std::function<void(QDialog&)> drive);
};

// Interaction helpers.
void ClickOk(QDialog& dialog);
void ClickCancel(QDialog& dialog);
// Picks the item with this text, as the user does with the drop-down.
void Choose(QComboBox* list, const QString& text);
// Gives `w` the keyboard focus inside its (shown) dialog.
void Focus(QWidget* w);

}  // namespace qm530::test
