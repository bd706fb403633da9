// The reader over arbitrary bytes: only complete dives, nothing read outside the input, dives
// loaded before left alone, and a cut-off copy of the input yields a prefix of the same dives.

#include <algorithm>

#include "FuzzSupport.h"

using namespace scrb;
using scrb::fuzz::Check;

namespace {

size_t EntrySize(const DiveRecord& dive) {
  return 52 + static_cast<size_t>(dive.LocationLength + dive.SiteLength + dive.OtherActivitiesLength +
                                  dive.PartnersLength + dive.CommentLength + dive.ProfileLength);
}

bool SameDive(const DiveRecord& a, const DiveRecord& b) {
  return a.DiveNumber == b.DiveNumber && a.DiveDate == b.DiveDate && a.Location == b.Location &&
         a.Site == b.Site && a.Comment == b.Comment && a.ProfileData == b.ProfileData &&
         a.DiveFooter == b.DiveFooter;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes = fuzz::Bytes(data, size);
  std::vector<DiveRecord> dives(1);
  dives[0].DiveNumber = 4242;
  dives[0].Location = "loaded before";
  const ReadOutcome outcome = ParseLogbook(bytes, dives);

  Check(dives.size() == 1 + static_cast<size_t>(outcome.DivesRead), "DivesRead counts the dives added");
  Check(dives[0].DiveNumber == 4242 && dives[0].Location == "loaded before", "earlier dives kept");
  Check(outcome.DivesRead <= std::max(outcome.DivesDeclared, 0), "no more dives than declared");
  Check(outcome.Status != ReadStatus::Unreadable, "bytes in memory are always readable");
  if (outcome.Status == ReadStatus::Ok) Check(outcome.DivesRead == outcome.DivesDeclared, "Ok reads all");
  if (outcome.Status == ReadStatus::Damaged) Check(!outcome.Reason.empty(), "damage has a reason");

  size_t consumed = 12;
  for (size_t i = 1; i < dives.size(); ++i) {
    const DiveRecord& dive = dives[i];
    Check(dive.DiveHeader.size() == 2 && dive.TimeZone.size() == 1 && dive.DiveFooter.size() == 12,
          "raw fields complete");
    Check(dive.ProfileLength >= 0 && dive.ProfileData.size() == static_cast<size_t>(dive.ProfileLength),
          "profile complete");
    consumed += EntrySize(dive);
    for (int flag = -1; flag <= 4; ++flag) Check(!DiveListEntry(dive, flag).empty(), "list entry");
  }
  if (outcome.DivesRead > 0) Check(consumed <= size, "complete dives lie inside the input");
  if (outcome.Status == ReadStatus::Damaged && outcome.DivesRead > 0) {
    Check(outcome.StopOffset == consumed, "the damage is reported where the last dive ends");
  }
  Check(!StatusText(static_cast<int>(dives.size()), outcome, "fuzz.log").empty(), "status text");
  Check(!UnreadableMessage("x.log", outcome).empty(), "message text");

  // A copy cut anywhere holds the same dives up to the cut.
  if (size > 0) {
    const size_t cut = data[0] * size / 256;
    std::vector<DiveRecord> prefixDives;
    const ReadOutcome prefix = ParseLogbook(bytes.substr(0, cut), prefixDives);
    Check(prefix.DivesRead <= outcome.DivesRead, "a shorter file holds no more dives");
    for (size_t i = 0; i < prefixDives.size(); ++i) {
      Check(SameDive(prefixDives[i], dives[i + 1]), "a cut file reads the same leading dives");
    }
    if (cut < size && outcome.DivesRead > 0 && cut < consumed) {
      Check(prefix.Status == ReadStatus::Damaged, "a cut inside a dive is reported");
    }
  }
  return 0;
}
