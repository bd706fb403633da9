#include "logbook/Translation.h"

#include <atomic>

namespace scrb {

namespace {
std::atomic<TranslateFunction> installed{nullptr};
}  // namespace

void SetTranslator(TranslateFunction translate) {
  installed.store(translate);
}

std::string Tr(const char* context, const char* text) {
  const TranslateFunction translate = installed.load();
  return translate != nullptr ? translate(context, text) : std::string(text);
}

}  // namespace scrb
