#include "overview/DiveSearch.h"

#include <array>
#include <cstdint>

#include "logbook/DiveDates.h"
#include "logbook/Translation.h"

namespace scrb {

namespace {

// Base letters of U+00C0..U+017F, lower case. '1' stands for "ae", '2' for "th", '3' for "ss",
// '4' for "ij", '5' for "oe"; '*' keeps the character (the multiplication and division signs).
constexpr std::string_view kLatinBase =
    "aaaaaa1ceeeeiiiidnooooo*ouuuuy23aaaaaa1ceeeeiiiidnooooo*ouuuuy2y"      // U+00C0..U+00FF
    "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiii44jjkkklllllllllln"  // U+0100..U+0143
    "nnnnnnnnoooooo55rrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs";         // U+0144..U+017F
static_assert(kLatinBase.size() == 0x180 - 0xC0);

// Decodes one UTF-8 sequence at text[i]; a malformed byte is taken as itself.
char32_t NextCodePoint(std::string_view text, size_t& i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  int length = lead < 0x80           ? 1
               : (lead >> 5) == 0x6  ? 2
               : (lead >> 4) == 0xE  ? 3
               : (lead >> 3) == 0x1E ? 4
                                     : 0;
  if (length <= 1 || i + static_cast<size_t>(length) > text.size()) {
    ++i;
    return lead;
  }
  char32_t code = lead & (0x7F >> length);
  for (int k = 1; k < length; ++k) {
    const unsigned char next = byte(i + static_cast<size_t>(k));
    if ((next & 0xC0) != 0x80) {
      ++i;
      return lead;
    }
    code = (code << 6) | (next & 0x3F);
  }
  i += static_cast<size_t>(length);
  return code;
}

void AppendFolded(std::string& out, char32_t code, std::string_view original) {
  if (code < 0x80) {
    out += static_cast<char>(code >= 'A' && code <= 'Z' ? code + ('a' - 'A') : code);
    return;
  }
  if (code >= 0x300 && code < 0x370) return;  // combining accents of decomposed text
  if (code >= 0xC0 && code < 0x180) {
    static constexpr std::array<std::string_view, 5> kPairs{"ae", "th", "ss", "ij", "oe"};
    const char base = kLatinBase[code - 0xC0];
    if (base >= '1' && base <= '5') {
      out += kPairs[static_cast<size_t>(base - '1')];
      return;
    }
    if (base != '*') {
      out += base;
      return;
    }
  }
  out += original;
}

void AppendField(std::string& out, std::string_view field) {
  out += FoldText(field);
  out += '\n';
}

}  // namespace

std::string FoldText(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const size_t start = i;
    const char32_t code = NextCodePoint(text, i);
    AppendFolded(folded, code, text.substr(start, i - start));
  }
  return folded;
}

std::string DiveSearchText(const DiveRecord& dive) {
  std::string text;
  AppendField(text, dive.Location);
  AppendField(text, dive.Site);
  AppendField(text, dive.Partners);
  AppendField(text, dive.Comment);
  AppendField(text, dive.OtherActivities);
  AppendField(text, std::to_string(dive.DiveNumber));
  AppendField(text, dive.DiveDate);
  AppendField(text, IsoDateText(dive.DiveDate));
  return text;
}

DiveSearch::DiveSearch(std::string_view query) {
  const std::string folded = FoldText(query);
  size_t i = 0;
  while (i < folded.size()) {
    const size_t start = folded.find_first_not_of(" \t\r\n\f\v", i);
    if (start == std::string::npos) break;
    size_t end = folded.find_first_of(" \t\r\n\f\v", start);
    if (end == std::string::npos) end = folded.size();
    words_.push_back(folded.substr(start, end - start));
    i = end;
  }
}

bool DiveSearch::MatchesText(std::string_view searchText) const {
  for (const std::string& word : words_) {
    if (searchText.find(word) == std::string_view::npos) return false;
  }
  return true;
}

std::vector<int> MatchingDives(const std::vector<DiveRecord>& dives, std::string_view query) {
  const DiveSearch search(query);
  std::vector<int> matching;
  for (size_t i = 0; i < dives.size(); ++i) {
    if (search.Matches(dives[i])) matching.push_back(static_cast<int>(i));
  }
  return matching;
}

int FirstDiveWithNumber(const std::vector<DiveRecord>& dives, int number) {
  for (size_t i = 0; i < dives.size(); ++i) {
    if (dives[i].DiveNumber == number) return static_cast<int>(i);
  }
  return -1;
}

std::string NoDiveWithNumberMessage(int number) {
  return FillIn(Tr("Table", "No dive has the number %1."), {std::to_string(number)});
}

}  // namespace scrb
