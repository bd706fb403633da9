#pragma once

#include <string>
#include <utility>
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
  bool HasCurrentDive() const { return DiveAt(CurrentDive) != nullptr; }
  // The dive at a list index, or nothing for an index outside the list.
  const DiveRecord* DiveAt(int index) const {
    return index >= 0 && index < DiveCount() ? &Dives[static_cast<size_t>(index)] : nullptr;
  }
  DiveRecord* DiveAt(int index) { return const_cast<DiveRecord*>(std::as_const(*this).DiveAt(index)); }
  DiveRecord& Current() { return Dives[static_cast<size_t>(CurrentDive)]; }

  // Open: the store forgets every dive of the previous file.
  void Clear() {
    Dives.clear();
    CurrentDive = -1;
  }
};

}  // namespace scrb
