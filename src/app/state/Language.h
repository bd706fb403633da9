#pragma once

#include <memory>
#include <string>
#include <vector>

class QTranslator;

namespace scrb {

// The languages of the window: "en", "de", "fr" and "it". English is the texts as written.

// The desktop's language from the values of LANGUAGE, LC_ALL, LC_MESSAGES and LANG (empty when
// unset), as gettext reads them: LANGUAGE's first entry the window speaks, then the first set of
// LC_ALL, LC_MESSAGES and LANG. Where none of them is set (as on Windows, which keeps the display
// language in its own settings), the first of the system's display languages ("de-DE") that the
// window speaks. Anything the window does not speak, "C" and "POSIX" mean English.
std::string LanguageFromEnvironment(const std::string& language, const std::string& lcAll,
                                    const std::string& lcMessages, const std::string& lang,
                                    const std::vector<std::string>& displayLanguages = {});
// The language a setting asks for: "en", "de", "fr" or "it", and the desktop's for "" or for any
// value not one of these.
std::string ChosenLanguage(const std::string& setting, const std::string& desktop);
// The desktop's language from this process's environment and the system's display languages.
std::string DesktopLanguage();

// Installs the catalogues of a language, the program's and Qt's own (file, print and message
// dialogs), and the core's translator hook. One per program; the app's edge.
class LanguageInstaller {
 public:
  LanguageInstaller();
  ~LanguageInstaller();
  // Replaces the installed catalogues with those of `code`; English removes them. False when the
  // program's own catalogue could not be loaded (the window then stays English).
  bool Apply(const std::string& code);
  const std::string& Current() const { return current_; }

 private:
  std::unique_ptr<QTranslator> program_;
  std::unique_ptr<QTranslator> qt_;
  std::string current_ = "en";
};

}  // namespace scrb
