#include "logbook/StartupSettings.h"

#include <algorithm>
#include <cmath>

#include "logbook/NumberParsing.h"

namespace scrb {

double SettingNumber(std::string_view text) {
  return ParseWholeNumber(TrimmedBlanks(text)).value_or(0);
}

namespace {

// Integers from settings are clamped first so that a huge value cannot overflow a conversion.
int NearestInt(double value, double low, double high) {
  return static_cast<int>(std::nearbyint(std::fmax(low, std::fmin(high, value))));
}

int FloorInt(double value) {
  return static_cast<int>(std::floor(std::fmax(-1e9, std::fmin(1e9, value))));
}

}  // namespace

int DisplayOptionFromSetting(std::string_view text) {
  const int option = NearestInt(SettingNumber(text), -1e9, 1e9);
  return option < 0 || option > 3 ? 0 : option;
}

int DecoModelFromSetting(std::string_view text) {
  return NearestInt(SettingNumber(text), -32768, 32767);
}

int WindowStateFromSetting(std::string_view text) {
  const int state = FloorInt(SettingNumber(text));
  return state < 0 || state > 2 ? 2 : state;
}

int TabNumberFromSetting(std::string_view text) {
  const int tab = FloorInt(SettingNumber(text));
  return tab < 0 || tab > 6 ? 1 : tab;
}

std::string settings::RecentLogbookKey(int index) {
  return "RecentLogbook" + std::to_string(index + 1);
}

int DiveListWidthFromSetting(std::string_view text) {
  return std::max(0, NearestInt(SettingNumber(text), 0, 1e6));
}

std::vector<std::string> CleanRecentLogbooks(std::vector<std::string> paths) {
  std::vector<std::string> clean;
  for (std::string& path : paths) {
    if (TrimmedBlanks(path).empty() || std::ranges::find(clean, path) != clean.end()) continue;
    clean.push_back(std::move(path));
    if (clean.size() == settings::kRecentLogbookCount) break;
  }
  return clean;
}

std::vector<std::string> RecentLogbooksAfterOpening(std::vector<std::string> paths,
                                                    const std::string& path) {
  paths.insert(paths.begin(), path);
  return CleanRecentLogbooks(std::move(paths));
}

std::string MergedLogbooksSetting(const std::vector<std::string>& files) {
  std::string text;
  for (size_t i = 1; i < files.size(); ++i) text += (i > 1 ? "\n" : "") + files[i];
  return text;
}

// Without an opened logbook the merged ones are not restored: they were merged behind it.
std::vector<std::string> LogbookFilesFromSettings(const std::string& logbookFile,
                                                  std::string_view mergedLogbooks) {
  if (logbookFile.empty()) return {};
  std::vector<std::string> files = {logbookFile};
  while (!mergedLogbooks.empty()) {
    const size_t end = std::min(mergedLogbooks.find('\n'), mergedLogbooks.size());
    if (end > 0) files.emplace_back(mergedLogbooks.substr(0, end));
    mergedLogbooks.remove_prefix(std::min(end + 1, mergedLogbooks.size()));
  }
  return files;
}

int DiveToSelect(double currentDiveSelected, double lastDive, int listCount) {
  const int last = listCount - 1;
  if (currentDiveSelected < last && currentDiveSelected >= 0 && lastDive != 1) {
    return NearestInt(currentDiveSelected, 0, 32767);
  }
  return last;
}

}  // namespace scrb
