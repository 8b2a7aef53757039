#pragma once

#include "config/registry.h"

namespace qm530 {

class CIniFile;

// The registry as a QSettings INI file in the user's configuration
// directory: <config>/qm530/<AppName>.ini, where AppName is read from
// section Setup of Program.ini afresh at every access. An empty AppName
// uses <config>/qm530.ini. XDG_CONFIG_HOME is honoured.
class CSettingsRegistry : public CRegistry {
  public:
    explicit CSettingsRegistry(const CIniFile& ini) : ini_(ini) {}
    std::uint32_t ReadDword(const std::string& name, std::uint32_t preset) const override;
    void WriteDword(const std::string& name, std::uint32_t value) override;

    // The file the values of the current AppName live in.
    std::string FileName() const;

  private:
    const CIniFile& ini_;
};

}  // namespace qm530
