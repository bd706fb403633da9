#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "logbook/DiveRecord.h"
#include "logbook/ProfileDecoder.h"
#include "report/Units.h"

namespace scrb {

// One line of the General page: the caption label and the text of the value label beside it.
struct SummaryLine {
  std::string Caption;
  std::string Value;
};

// The General page's texts for a dive: the heading above the captions, then the lines in the
// order the page shows them.
struct DiveSummary {
  std::string Heading;
  std::vector<SummaryLine> Lines;
};

// Temperatures, the air consumption and the maximum depth are in `units`.
DiveSummary SummaryTexts(const DiveRecord& dive, UnitSystem units);

// Every logbook field of the dive, one per line, with the raw header and footer bytes.
// Lines end with CR LF.
std::string DetailsText(const DiveRecord& dive);

// The profile header bytes and one line per decoded sample; empty when the dive has no samples.
std::string RawDumpText(const DiveRecord& dive, const DecodedProfile& profile);

// One row of the byte table of the details and the raw dump: the bytes at `offset` and the one
// behind it, as bits, as decimals and as a word.
std::string BytePairRow(std::string_view bytes, size_t offset);

}  // namespace scrb
