#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace scrb {

// The core's user-visible texts are English. Each is marked where it is written, with a context
// (the catalogues group texts by it), and the app installs a translator at its edge; without one,
// as in the command-line tool and the tests, every text stays exactly the English one.
using TranslateFunction = std::string (*)(const char* context, const char* text);

// Installed once before any window opens or any worker starts; nullptr restores English.
void SetTranslator(TranslateFunction translate);

// The text in the diver's language.
std::string Tr(const char* context, const char* text);

// "%1", "%2", ... replaced by the values, so that a translation may put them in its own order.
// "%" followed by anything else stays as written.
std::string FillIn(std::string_view text, std::initializer_list<std::string_view> values);

// While one lives, Tr on this thread gives the English texts: exports (clipboard texts, files)
// are written in English whatever the window speaks.
class EnglishTexts {
 public:
  EnglishTexts();
  ~EnglishTexts();
  EnglishTexts(const EnglishTexts&) = delete;
  EnglishTexts& operator=(const EnglishTexts&) = delete;
};

}  // namespace scrb

// Marks a text for the catalogues where it must stay English until shown (tables of texts).
#define SCRB_TRANSLATE_NOOP(context, text) text
