#pragma once

#include <string>

namespace scrb {

// The core's user-visible texts are English. Each is marked where it is written, with a context
// (the catalogues group texts by it), and the app installs a translator at its edge; without one,
// as in the command-line tool and the tests, every text stays exactly the English one.
using TranslateFunction = std::string (*)(const char* context, const char* text);

// Installed once before any window opens or any worker starts; nullptr restores English.
void SetTranslator(TranslateFunction translate);

// The text in the diver's language.
std::string Tr(const char* context, const char* text);

}  // namespace scrb

// Marks a text for the catalogues where it must stay English until shown (tables of texts).
#define SCRB_TRANSLATE_NOOP(context, text) text
