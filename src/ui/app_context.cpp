#include "ui/app_context.h"

#include <QPrinter>

#include "config/data_dirs.h"
#include "config/ini_file.h"

namespace qm530::ui {

AppContext::AppContext(config::CIniFile& ini, UiServices& uiServices,
                       std::unique_ptr<config::Registry> reg)
    : theIni(ini), services(uiServices), registry(std::move(reg)) {}

AppContext::~AppContext() = default;

std::string AppContext::LanguageValue(const std::string& key) const {
    return theIni.GetValue(LanguageName, key, "");
}

std::string AppContext::ProgramFile(const std::string& name) const {
    return ProgramFolder(name) + name;
}

std::string AppContext::ProgramFolder(const std::string& name) const {
    return config::ProgramFileFolder({ExeDir, DataDir, ConfigDir}, name);
}

namespace {
constexpr const char* kTransferTraceValue = "TransferTrace";
constexpr const char* kBackupBeforeWriteValue = "BackupBeforeWrite";
}  // namespace

bool AppContext::TransferTrace() const {
    return !UserDataDir.empty() && registry->ReadDword(kTransferTraceValue, 0) != 0;
}

void AppContext::SetTransferTrace(bool on) {
    registry->WriteDword(kTransferTraceValue, on ? 1 : 0);
}

bool AppContext::BackupBeforeWrite() const {
    return !UserDataDir.empty() && registry->ReadDword(kBackupBeforeWriteValue, 1) != 0;
}

void AppContext::SetBackupBeforeWrite(bool on) {
    registry->WriteDword(kBackupBeforeWriteValue, on ? 1 : 0);
}

std::string AppContext::TraceFolder() const {
    return UserDataDir.empty() ? std::string() : UserDataDir + "traces/";
}

QPrinter& AppContext::Printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>();
    return *printer_;
}

}  // namespace qm530::ui
