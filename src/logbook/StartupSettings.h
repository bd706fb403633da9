#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace scrb {

namespace settings {
// File > Recent Logbooks keeps this many, the most recent first.
constexpr int kRecentLogbookCount = 6;
}  // namespace settings

// A setting's text as a number: surrounding blanks are allowed, anything else that is not a
// finite number (an empty text, letters, a damaged file) counts as 0.
double SettingNumber(std::string_view text);

// A setting's number as the nearest integer within low..high, clamped first so that a huge value
// cannot overflow the conversion.
int NearestSettingInt(double number, double low, double high);

// The checks applied when a setting is read back.
int DisplayOptionFromSetting(std::string_view text);  // nearest integer; outside 0..3 gives 0
int DecoModelFromSetting(std::string_view text);      // nearest 16-bit integer

// The recent logbooks as read back: blank and repeated entries dropped, at most six.
std::vector<std::string> CleanRecentLogbooks(std::vector<std::string> paths);
// The recent logbooks after `path` was opened: it moves to the front.
std::vector<std::string> RecentLogbooksAfterOpening(std::vector<std::string> paths,
                                                    const std::string& path);

// The files held, as "Logbook File" and "MergedLogbooks" keep them, and back.
std::string MergedLogbooksSetting(const std::vector<std::string>& files);
std::vector<std::string> LogbookFilesFromSettings(const std::string& logbookFile,
                                                  std::string_view mergedLogbooks);

}  // namespace scrb
