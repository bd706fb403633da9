#pragma once

#include <string>
#include <string_view>

namespace scrb {

// The settings keys of application "scrb", section "Settings": what the window keeps between runs.
namespace settings {
constexpr const char* kApplication = "scrb";
constexpr const char* kSection = "Settings";
constexpr const char* kNoWarning = "NoWarning";
// The opened logbook; the ones merged behind it are in kMergedLogbooks, one a line.
constexpr const char* kLogbookFile = "Logbook File";
constexpr const char* kMergedLogbooks = "MergedLogbooks";
constexpr const char* kDisplayOptionFlag = "DisplayOptionFlag";
constexpr const char* kDecoModelNumber = "DecoModelNumber";
// Nitrogen carried over from the dive before: "1" on, anything else off.
constexpr const char* kRepetitiveDives = "RepetitiveDives";
constexpr const char* kTop = "Top";
constexpr const char* kLeft = "Left";
constexpr const char* kWindowState = "WindowState";
constexpr const char* kWidth = "Width";
constexpr const char* kHeight = "Height";
constexpr const char* kTabNumber = "TabNumber";
constexpr const char* kCurrentDiveSelected = "CurrentDiveSelected";
constexpr const char* kLastDive = "LastDive";
// The width of the dive list beside the pages, in twips.
constexpr const char* kDiveListWidth = "DiveListWidth";
// The dive table's columns: order, widths, which are shown, and the sort (the header's own state).
constexpr const char* kDiveTableHeader = "DiveTableHeader";
// The window's language: "en", "de", "fr" or "it"; empty or anything else follows the desktop.
constexpr const char* kLanguage = "Language";
// The units figures are shown in: "imperial", anything else metric.
constexpr const char* kUnits = "Units";
// The window's and the charts' look: "light", "dark", "high-contrast"; anything else follows the
// desktop.
constexpr const char* kAppearance = "Appearance";
// The Tissue Sat page shows the heat map in place of the tissue pressures: "1" on, anything else
// off.
constexpr const char* kTissueHeatMap = "TissueHeatMap";
// File > Recent Logbooks: "RecentLogbook1" (the most recent) to "RecentLogbook6".
std::string RecentLogbookKey(int index);
}  // namespace settings

// The checks applied when the window's own settings are read back.
int WindowStateFromSetting(std::string_view text);  // rounded down; outside 0..2 gives 2
int TabNumberFromSetting(std::string_view text);    // rounded down; outside 0..6 gives 1

// The saved width of the dive list in twips; 0 (the window's own choice) when absent, not a
// number or not positive.
int DiveListWidthFromSetting(std::string_view text);

// The list index to select at start: the saved one when it is an older dive that still exists
// and the user did not leave on the newest dive, otherwise the newest (-1 with an empty list).
int DiveToSelect(double currentDiveSelected, double lastDive, int listCount);

}  // namespace scrb
