#include "ui/app_context.h"

#include <QPrinter>

#include "app/core/ini_file.h"

namespace qm530 {

AppContext::AppContext(CIniFile& ini, UiServices& uiServices, std::unique_ptr<CRegistry> reg)
    : theIni(ini), services(uiServices), registry(std::move(reg)) {}

AppContext::~AppContext() = default;

std::string AppContext::LanguageValue(const std::string& key) const {
    return theIni.GetValue(LanguageName, key, "");
}

QPrinter& AppContext::Printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>();
    return *printer_;
}

}  // namespace qm530
