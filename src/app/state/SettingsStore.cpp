#include "app/state/SettingsStore.h"

#include "app/state/WindowSettings.h"

namespace scrb {

namespace {
// Where each system's programs keep their settings: the registry on Windows
// (HKEY_CURRENT_USER\Software\scrb), an INI file in the user's configuration folder elsewhere,
// where earlier versions kept them.
#ifdef Q_OS_WIN
constexpr QSettings::Format kUserFormat = QSettings::NativeFormat;
#else
constexpr QSettings::Format kUserFormat = QSettings::IniFormat;
#endif
}  // namespace

std::unique_ptr<QSettings> QtSettingsStore::UserSettings(const QString& application) {
  return std::make_unique<QSettings>(kUserFormat, QSettings::UserScope, application, application);
}

QtSettingsStore::QtSettingsStore() : settings_(UserSettings(settings::kApplication)) {}

QtSettingsStore::QtSettingsStore(std::unique_ptr<QSettings> settings)
    : settings_(std::move(settings)) {}

QtSettingsStore::QtSettingsStore(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

namespace {
QString KeyPath(const std::string& key) {
  return QString(settings::kSection) + "/" + QString::fromStdString(key);
}
}  // namespace

std::string QtSettingsStore::GetSetting(const std::string& key, const std::string& fallback) const {
  const QVariant value = settings_->value(KeyPath(key));
  if (!value.isValid()) return fallback;
  // A damaged file may hold lists or other types; anything not plain text reads as empty, which
  // the checks turn into 0.
  if (value.typeId() != QMetaType::QString)
    return value.canConvert<QString>() ? value.toString().toStdString() : std::string();
  return value.toString().toStdString();
}

void QtSettingsStore::SaveSetting(const std::string& key, const std::string& value) {
  settings_->setValue(KeyPath(key), QString::fromStdString(value));
  settings_->sync();
}

}  // namespace scrb
