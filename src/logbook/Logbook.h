#pragma once

#include <string>
#include <vector>

#include "logbook/DiveRecord.h"

namespace scrb {

// The in-memory logbook: every dive loaded since the last Open, in reading order.
// Entry i of the dive list always shows Dives[i].
struct Logbook {
  std::vector<DiveRecord> Dives;
  int CurrentDive = -1;
  std::string LogbookFile;
  int DisplayOptionFlag = 1;

  int DiveCount() const { return static_cast<int>(Dives.size()); }
  bool HasCurrentDive() const { return CurrentDive >= 0 && CurrentDive < DiveCount(); }
  DiveRecord& Current() { return Dives[static_cast<size_t>(CurrentDive)]; }

  // Open: the store forgets every dive of the previous file.
  void Clear() {
    Dives.clear();
    CurrentDive = -1;
  }
};

}  // namespace scrb
