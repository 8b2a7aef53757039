#include "ui/settings_registry.h"

#include <QSettings>
#include <QString>

#include "config/ini_file.h"

namespace qm530::ui {

namespace {

constexpr const char* kOrganisation = "qm530";

QString KeyName(const config::CIniFile& ini) {
    return QString::fromStdString(ini.GetValue("Setup", "AppName", ""));
}

// The settings file of the key: one file per AppName; the bare
// organisation file stands for the key without a name.
QSettings Open(const config::CIniFile& ini) {
    const QString key = KeyName(ini);
    if (key.isEmpty()) return QSettings(QSettings::IniFormat, QSettings::UserScope, kOrganisation);
    return QSettings(QSettings::IniFormat, QSettings::UserScope, kOrganisation, key);
}

}  // namespace

std::uint32_t SettingsRegistry::ReadDword(const std::string& name, std::uint32_t preset) const {
    QSettings settings = Open(ini_);
    const QVariant value = settings.value(QString::fromStdString(name));
    if (!value.isValid()) return preset;
    bool ok = false;
    const qulonglong number = value.toString().trimmed().toULongLong(&ok, 10);
    if (!ok || number > 0xFFFFFFFFull) return preset;
    return static_cast<std::uint32_t>(number);
}

void SettingsRegistry::WriteDword(const std::string& name, std::uint32_t value) {
    QSettings settings = Open(ini_);
    settings.setValue(QString::fromStdString(name), static_cast<qulonglong>(value));
    settings.sync();
}

std::string SettingsRegistry::ReadText(const std::string& name, const std::string& preset) const {
    QSettings settings = Open(ini_);
    const QVariant value = settings.value(QString::fromStdString(name));
    return value.isValid() ? value.toString().toStdString() : preset;
}

void SettingsRegistry::WriteText(const std::string& name, const std::string& value) {
    QSettings settings = Open(ini_);
    if (value.empty()) {
        settings.remove(QString::fromStdString(name));
    } else {
        settings.setValue(QString::fromStdString(name), QString::fromStdString(value));
    }
    settings.sync();
}

std::string SettingsRegistry::FileName() const {
    return Open(ini_).fileName().toStdString();
}

}  // namespace qm530::ui
