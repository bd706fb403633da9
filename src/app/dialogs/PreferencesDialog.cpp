#include "app/dialogs/PreferencesDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/views/WindowPlacement.h"

namespace scrb {

namespace {

// The languages as their own speakers name them, so that a diver finds theirs in any language.
struct LanguageEntry {
  const char* Code;
  const char* Name;
};
constexpr LanguageEntry kLanguages[] = {
    {"", nullptr}, {"en", "English"}, {"de", "Deutsch"}, {"fr", "Français"}, {"it", "Italiano"}};

}  // namespace

PreferencesDialog::PreferencesDialog(const std::string& language, UnitSystem units,
                                     Appearance appearance, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(tr("Preferences"));
  setModal(true);
  languageBox_ = new QComboBox(this);
  languageBox_->setObjectName("LanguageBox");
  for (const LanguageEntry& entry : kLanguages) {
    languageBox_->addItem(entry.Name != nullptr ? QString::fromUtf8(entry.Name) : tr("System"),
                          QString::fromLatin1(entry.Code));
  }
  const int found = languageBox_->findData(QString::fromStdString(language));
  languageBox_->setCurrentIndex(found > 0 ? found : 0);

  unitsBox_ = new QComboBox(this);
  unitsBox_->setObjectName("UnitsBox");
  unitsBox_->addItem(tr("Metric"));
  unitsBox_->addItem(tr("Imperial"));
  unitsBox_->setCurrentIndex(units == UnitSystem::Imperial ? 1 : 0);

  // In the order of Appearance, so an item's index is its value.
  appearanceBox_ = new QComboBox(this);
  appearanceBox_->setObjectName("AppearanceBox");
  appearanceBox_->addItems({tr("Desktop"), tr("Light"), tr("Dark"), tr("High contrast")});
  appearanceBox_->setCurrentIndex(static_cast<int>(appearance));

  auto* form = new QFormLayout;
  auto* languageLabel = new QLabel(tr("&Language:"), this);
  languageLabel->setBuddy(languageBox_);
  auto* unitsLabel = new QLabel(tr("&Units:"), this);
  unitsLabel->setBuddy(unitsBox_);
  auto* appearanceLabel = new QLabel(tr("&Appearance:"), this);
  appearanceLabel->setBuddy(appearanceBox_);
  form->addRow(languageLabel, languageBox_);
  form->addRow(unitsLabel, unitsBox_);
  form->addRow(appearanceLabel, appearanceBox_);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName("OkButton");
  ok->setDefault(true);
  buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole)->setObjectName("CancelButton");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addStretch();
  layout->addWidget(buttons);
  CentreOnScreen(*this);
}

std::string PreferencesDialog::ChosenLanguage() const {
  return languageBox_->currentData().toString().toStdString();
}

UnitSystem PreferencesDialog::ChosenUnits() const {
  return unitsBox_->currentIndex() == 1 ? UnitSystem::Imperial : UnitSystem::Metric;
}

Appearance PreferencesDialog::ChosenAppearance() const {
  return static_cast<Appearance>(std::max(0, appearanceBox_->currentIndex()));
}

}  // namespace scrb
