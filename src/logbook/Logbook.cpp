#include "logbook/Logbook.h"

#include <iterator>

namespace scrb {

void DiveList::Append(DiveList more) {
  if (more.empty()) return;
  if (!dives_) {
    dives_ = std::move(more.dives_);
    return;
  }
  // The records of a list no one else reads are moved, not copied.
  std::vector<DiveRecord>& added = *more.dives_;
  if (more.dives_.use_count() > 1) return Append(std::vector<DiveRecord>(added));
  // Work that took a share goes on reading the records it took; only an unshared list grows in
  // place.
  if (dives_.use_count() > 1) {
    auto copy = std::make_shared<std::vector<DiveRecord>>();
    copy->reserve(dives_->size() + added.size());
    copy->insert(copy->end(), dives_->begin(), dives_->end());
    dives_ = std::move(copy);
  }
  dives_->insert(dives_->end(), std::make_move_iterator(added.begin()),
                 std::make_move_iterator(added.end()));
}

std::shared_ptr<const std::vector<DiveRecord>> DiveList::Share() const {
  if (!dives_) return std::make_shared<const std::vector<DiveRecord>>();
  return dives_;
}

const std::vector<DiveRecord>& DiveList::List() const {
  static const std::vector<DiveRecord> kNone;
  return dives_ ? *dives_ : kNone;
}

}  // namespace scrb
