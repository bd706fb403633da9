#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "logbook/DiveRecord.h"

namespace scrb {

// The dives of the store: read like a const vector, shared with background work that reads the
// same records while the window carries on. Records never change once read; adding dives leaves
// every share handed out before as it was (the list is copied when it is shared).
class DiveList {
 public:
  using value_type = DiveRecord;
  using size_type = std::vector<DiveRecord>::size_type;
  using const_iterator = std::vector<DiveRecord>::const_iterator;
  using iterator = const_iterator;
  using const_reference = const DiveRecord&;
  using reference = const DiveRecord&;

  DiveList() = default;
  DiveList(std::vector<DiveRecord> dives)  // NOLINT: a list of records is a dive list
      : dives_(dives.empty() ? nullptr
                             : std::make_shared<std::vector<DiveRecord>>(std::move(dives))) {}
  DiveList(std::initializer_list<DiveRecord> dives) : DiveList(std::vector<DiveRecord>(dives)) {}

  size_type size() const { return List().size(); }
  bool empty() const { return List().empty(); }
  const DiveRecord& operator[](size_type i) const { return List()[i]; }
  const DiveRecord& at(size_type i) const { return List().at(i); }
  const DiveRecord& front() const { return List().front(); }
  const DiveRecord& back() const { return List().back(); }
  const DiveRecord* data() const { return List().data(); }
  const_iterator begin() const { return List().begin(); }
  const_iterator end() const { return List().end(); }
  const_iterator cbegin() const { return begin(); }
  const_iterator cend() const { return end(); }
  operator const std::vector<DiveRecord>&() const { return List(); }  // NOLINT: read as a vector

  // A merge: the dives go behind those held.
  void Append(DiveList more);
  void clear() { dives_.reset(); }
  // The records as they are now, for work that must read them while the store moves on.
  std::shared_ptr<const std::vector<DiveRecord>> Share() const;

 private:
  const std::vector<DiveRecord>& List() const;

  std::shared_ptr<std::vector<DiveRecord>> dives_;  // null: no dive
};

// The in-memory logbook: every dive loaded since the last Open, in reading order.
// Entry i of the dive list always shows Dives[i].
struct Logbook {
  DiveList Dives;
  int CurrentDive = -1;
  std::string LogbookFile;
  int DisplayOptionFlag = 1;

  int DiveCount() const { return static_cast<int>(Dives.size()); }
  bool HasCurrentDive() const { return DiveAt(CurrentDive) != nullptr; }
  // The dive at a list index, or nothing for an index outside the list.
  const DiveRecord* DiveAt(int index) const {
    return index >= 0 && index < DiveCount() ? &Dives[static_cast<size_t>(index)] : nullptr;
  }
  const DiveRecord& Current() const { return Dives[static_cast<size_t>(CurrentDive)]; }

  // Open: the store forgets every dive of the previous file.
  void Clear() {
    Dives.clear();
    CurrentDive = -1;
  }
};

}  // namespace scrb
