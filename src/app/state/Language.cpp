#include "app/state/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <array>
#include <cstdlib>

#include "logbook/Translation.h"

namespace scrb {

namespace {

constexpr std::array<const char*, 4> kSpoken = {"en", "de", "fr", "it"};

bool Spoken(const std::string& code) {
  for (const char* c : kSpoken) {
    if (code == c) return true;
  }
  return false;
}

// "de_CH.UTF-8@euro" -> "de"; "C", "POSIX" and "C.UTF-8" -> "en".
std::string LocaleLanguage(const std::string& locale) {
  const std::string name = locale.substr(0, locale.find_first_of("_.@-"));
  if (name == "C" || name == "POSIX") return "en";
  std::string lower;
  for (char c : name) lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return lower;
}

std::string EnvironmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string(value) : std::string();
}

std::string TranslateWithQt(const char* context, const char* text) {
  return QCoreApplication::translate(context, text).toStdString();
}

}  // namespace

std::string LanguageFromEnvironment(const std::string& language, const std::string& lcAll,
                                    const std::string& lcMessages, const std::string& lang,
                                    const std::vector<std::string>& displayLanguages) {
  if (language.empty() && lcAll.empty() && lcMessages.empty() && lang.empty()) {
    for (const std::string& display : displayLanguages) {
      if (Spoken(LocaleLanguage(display))) return LocaleLanguage(display);
    }
    return "en";
  }
  const std::string& locale = !lcAll.empty() ? lcAll : !lcMessages.empty() ? lcMessages : lang;
  const std::string fromLocale = LocaleLanguage(locale);
  // gettext ignores LANGUAGE when the messages locale is C: the program speaks English then.
  if (!language.empty() && !(fromLocale == "en" && !locale.empty() && locale[0] == 'C')) {
    size_t start = 0;
    while (start <= language.size()) {
      size_t end = language.find(':', start);
      if (end == std::string::npos) end = language.size();
      const std::string entry = LocaleLanguage(language.substr(start, end - start));
      if (Spoken(entry)) return entry;
      start = end + 1;
    }
  }
  return Spoken(fromLocale) ? fromLocale : "en";
}

std::string ChosenLanguage(const std::string& setting, const std::string& desktop) {
  if (Spoken(setting)) return setting;
  return Spoken(desktop) ? desktop : "en";
}

std::string DesktopLanguage() {
  std::vector<std::string> display;
  for (const QString& name : QLocale::system().uiLanguages()) display.push_back(name.toStdString());
  return LanguageFromEnvironment(EnvironmentValue("LANGUAGE"), EnvironmentValue("LC_ALL"),
                                 EnvironmentValue("LC_MESSAGES"), EnvironmentValue("LANG"),
                                 display);
}

LanguageInstaller::LanguageInstaller() {
  // Without a catalogue QCoreApplication::translate gives back the English text, so the hook can
  // stay installed for English too.
  SetTranslator(&TranslateWithQt);
}

LanguageInstaller::~LanguageInstaller() {
  SetTranslator(nullptr);
  if (program_) QCoreApplication::removeTranslator(program_.get());
  if (qt_) QCoreApplication::removeTranslator(qt_.get());
}

bool LanguageInstaller::Apply(const std::string& code) {
  if (program_) QCoreApplication::removeTranslator(program_.get());
  if (qt_) QCoreApplication::removeTranslator(qt_.get());
  program_.reset();
  qt_.reset();
  current_ = "en";
  if (code == "en" || !Spoken(code)) return code == "en";
  // The installed catalogue first (in share/ on Linux, beside the program on Windows), so that a
  // corrected one can be dropped in; the one built into the program otherwise.
  const QString name = QString("bathyscribe_%1.qm").arg(QString::fromStdString(code));
  auto program = std::make_unique<QTranslator>();
  const QString programDir = QCoreApplication::applicationDirPath();
  if (!program->load(name, programDir + "/../share/bathyscribe/translations") &&
      !program->load(name, programDir + "/translations") && !program->load(":/i18n/" + name)) {
    return false;
  }
  QCoreApplication::installTranslator(program.get());
  program_ = std::move(program);
  current_ = code;
  // Qt's own dialogs follow when Debian's translations of Qt are installed; without them they stay
  // English and the rest of the window is not held back.
  auto qt = std::make_unique<QTranslator>();
  if (qt->load(QString("qtbase_%1").arg(QString::fromStdString(code)),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt.get());
    qt_ = std::move(qt);
  }
  return true;
}

}  // namespace scrb
