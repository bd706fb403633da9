#pragma once

#include <string>
#include <string_view>

#include "analysis/DiveAnalysis.h"
#include "logbook/Logbook.h"

namespace scrb {

// The confirmations shown once a text is on the clipboard.
inline constexpr std::string_view kAllDivesCopiedMessage = "Dive parameters copied to clipboard";
inline constexpr std::string_view kProfileCopiedMessage = "Dive data copied to clipboard";

// Every dive of the store, one tab-separated row each under a header row; rows end with CR LF.
std::string AllDivesText(const Logbook& book);

// The dive's samples, one tab-separated row each, with the estimated breath rate and tank air of
// the last completed minute and every tissue's nitrogen pressure under the model (blank when the
// saturation was computed under another).
std::string DiveProfileText(const AnalysedDive& analysed, const DecoModel& model);

}  // namespace scrb
