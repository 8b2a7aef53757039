#pragma once

#include "config/registry.h"

namespace qm530::config {
class CIniFile;
}  // namespace qm530::config

namespace qm530::ui {

// The registry as a QSettings INI file in the user's configuration
// directory: <config>/qm530/<AppName>.ini, where AppName is read from
// section Setup of Program.ini afresh at every access. An empty AppName
// uses <config>/qm530.ini. XDG_CONFIG_HOME is honoured.
class SettingsRegistry : public config::Registry {
  public:
    explicit SettingsRegistry(const config::CIniFile& ini) : ini_(ini) {}
    std::uint32_t ReadDword(const std::string& name, std::uint32_t preset) const override;
    void WriteDword(const std::string& name, std::uint32_t value) override;
    std::string ReadText(const std::string& name, const std::string& preset) const override;
    void WriteText(const std::string& name, const std::string& value) override;

    // The file the values of the current AppName live in.
    std::string FileName() const;

  private:
    const config::CIniFile& ini_;
};

}  // namespace qm530::ui
