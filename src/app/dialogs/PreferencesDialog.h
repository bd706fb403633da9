#pragma once

#include <QDialog>
#include <string>

#include "app/state/Appearance.h"
#include "report/Units.h"

class QComboBox;

namespace scrb {

// Edit > Preferences: the window's language, the units it shows figures in and its appearance.
class PreferencesDialog : public QDialog {
  Q_OBJECT
 public:
  // `language` is the setting as saved: "" (the desktop's), "en", "de", "fr" or "it".
  PreferencesDialog(const std::string& language, UnitSystem units, Appearance appearance,
                    QWidget* parent = nullptr);

  // The setting chosen: "" for System, otherwise the language's code.
  std::string ChosenLanguage() const;
  UnitSystem ChosenUnits() const;
  Appearance ChosenAppearance() const;
  QComboBox* LanguageBox() const { return languageBox_; }
  QComboBox* UnitsBox() const { return unitsBox_; }
  QComboBox* AppearanceBox() const { return appearanceBox_; }

 private:
  QComboBox* languageBox_ = nullptr;
  QComboBox* unitsBox_ = nullptr;
  QComboBox* appearanceBox_ = nullptr;
};

}  // namespace scrb
