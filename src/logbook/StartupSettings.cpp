#include "logbook/StartupSettings.h"

#include <algorithm>
#include <cmath>

#include "logbook/NumberParsing.h"

namespace scrb {

double SettingNumber(std::string_view text) {
  return ParseWholeNumber(TrimmedBlanks(text)).value_or(0);
}

int NearestSettingInt(double number, double low, double high) {
  return static_cast<int>(std::nearbyint(std::fmax(low, std::fmin(high, number))));
}

int DisplayOptionFromSetting(std::string_view text) {
  const int option = NearestSettingInt(SettingNumber(text), -1e9, 1e9);
  return option < 0 || option > 3 ? 0 : option;
}

int DecoModelFromSetting(std::string_view text) {
  return NearestSettingInt(SettingNumber(text), -32768, 32767);
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

}  // namespace scrb
