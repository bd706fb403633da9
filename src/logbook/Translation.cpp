#include "logbook/Translation.h"

#include <atomic>

namespace scrb {

namespace {
std::atomic<TranslateFunction> installed{nullptr};
thread_local int englishDepth = 0;
}  // namespace

void SetTranslator(TranslateFunction translate) {
  installed.store(translate);
}

std::string Tr(const char* context, const char* text) {
  const TranslateFunction translate = installed.load();
  return translate != nullptr && englishDepth == 0 ? translate(context, text) : std::string(text);
}

std::string FillIn(std::string_view text, std::initializer_list<std::string_view> values) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
      const size_t k = static_cast<size_t>(text[i + 1] - '1');
      if (k < values.size()) {
        out += *(values.begin() + k);
        ++i;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

EnglishTexts::EnglishTexts() {
  ++englishDepth;
}

EnglishTexts::~EnglishTexts() {
  --englishDepth;
}

}  // namespace scrb
