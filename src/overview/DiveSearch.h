#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "logbook/DiveRecord.h"

namespace scrb {

// UTF-8 text as the search compares it: lower case, accents dropped ("Geröllhalde" reads
// "gerollhalde", "Straße" reads "strasse"). Letters outside the Latin ranges stay as they are.
std::string FoldText(std::string_view text);

// The folded text a dive is searched in: location, site, partners, comment, other activities,
// the dive number, and the date as dd/mm/yyyy and as yyyy-mm-dd, one field a line, so that a word
// never matches across two fields.
std::string DiveSearchText(const DiveRecord& dive);

// What the user typed, split into words at blanks and folded. A dive matches when every word is
// contained in its search text; no words match every dive.
class DiveSearch {
 public:
  DiveSearch() = default;
  explicit DiveSearch(std::string_view query);

  bool Empty() const { return words_.empty(); }
  const std::vector<std::string>& Words() const { return words_; }
  // `searchText` as DiveSearchText gives it; kept by callers that search many times.
  bool MatchesText(std::string_view searchText) const;
  bool Matches(const DiveRecord& dive) const { return MatchesText(DiveSearchText(dive)); }

 private:
  std::vector<std::string> words_;
};

// The list indices of the dives that match, in logbook order.
std::vector<int> MatchingDives(const std::vector<DiveRecord>& dives, std::string_view query);

// The list index of the first dive with the dive number a diver knows, -1 when none has it.
int FirstDiveWithNumber(const std::vector<DiveRecord>& dives, int number);
// What the user is told when no dive has the number asked for.
std::string NoDiveWithNumberMessage(int number);

}  // namespace scrb
