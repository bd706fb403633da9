#pragma once

#include <QSettings>
#include <QString>
#include <memory>
#include <string>

namespace scrb {

// The per-user store of text settings, one section of one application.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::string GetSetting(const std::string& key, const std::string& fallback) const = 0;
  virtual void SaveSetting(const std::string& key, const std::string& value) = 0;
};

// Settings kept by QSettings: the user's own store for application "scrb", or an INI file (tests
// use one in a temporary folder). Values are stored and read back as plain text.
class QtSettingsStore : public SettingsStore {
 public:
  QtSettingsStore();
  explicit QtSettingsStore(const QString& iniFile);
  explicit QtSettingsStore(std::unique_ptr<QSettings> settings);

  // The user's own store of an application, where the system keeps programs' settings.
  static std::unique_ptr<QSettings> UserSettings(const QString& application);

  std::string GetSetting(const std::string& key, const std::string& fallback) const override;
  void SaveSetting(const std::string& key, const std::string& value) override;

 private:
  std::unique_ptr<QSettings> settings_;
};

}  // namespace scrb
