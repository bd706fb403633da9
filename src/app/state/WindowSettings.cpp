#include "app/state/WindowSettings.h"

#include <algorithm>
#include <cmath>

#include "logbook/StartupSettings.h"

namespace scrb {
namespace {

int FloorInt(double value) {
  return static_cast<int>(std::floor(std::fmax(-1e9, std::fmin(1e9, value))));
}

}  // namespace

std::string settings::RecentLogbookKey(int index) {
  return "RecentLogbook" + std::to_string(index + 1);
}

int WindowStateFromSetting(std::string_view text) {
  const int state = FloorInt(SettingNumber(text));
  return state < 0 || state > 2 ? 2 : state;
}

int TabNumberFromSetting(std::string_view text) {
  const int tab = FloorInt(SettingNumber(text));
  return tab < 0 || tab > 6 ? 1 : tab;
}

int DiveListWidthFromSetting(std::string_view text) {
  return std::max(0, NearestSettingInt(SettingNumber(text), 0, 1e6));
}

int DiveToSelect(double currentDiveSelected, double lastDive, int listCount) {
  const int last = listCount - 1;
  if (currentDiveSelected < last && currentDiveSelected >= 0 && lastDive != 1) {
    return NearestSettingInt(currentDiveSelected, 0, 32767);
  }
  return last;
}

}  // namespace scrb
