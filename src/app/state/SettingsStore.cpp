#include "app/state/SettingsStore.h"

#include "logbook/StartupSettings.h"

namespace scrb {

QtSettingsStore::QtSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            settings::kApplication, settings::kApplication)) {}

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
