// The logbook session under any sequence of open, merge, select and display option over the input
// as a logbook, cut copies of it, a text file, a folder and a missing file: a refused file changes
// nothing, a merge keeps every dive loaded before it, and the current dive is always a dive of the
// list or none.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "session/LogbookSession.h"

using namespace scrb;
using scrb::fuzz::Check;

namespace {

constexpr int kMaxSteps = 12;

// What identifies a loaded dive well enough to tell that it is still there, in its place.
struct DiveMark {
  int Number;
  std::string Site;
  std::string Profile;
  bool operator==(const DiveMark&) const = default;
};

std::vector<DiveMark> Marks(const LogbookSession& session) {
  std::vector<DiveMark> marks;
  for (const DiveRecord& dive : session.Store().Dives)
    marks.push_back({dive.DiveNumber, dive.Site, dive.ProfileData});
  return marks;
}

const std::filesystem::path& Folder() {
  static const std::filesystem::path folder = [] {
    auto path = std::filesystem::temp_directory_path() /
                ("bathyscribe-fuzz-session-" + std::to_string(getpid()));
    std::filesystem::create_directories(path);
    return path;
  }();
  return folder;
}

std::string WriteFile(const std::string& name, std::string_view bytes) {
  const std::string path = (Folder() / name).string();
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

void CheckStep(const LogbookSession& session, const LoadOutcome& outcome,
               const std::vector<DiveMark>& before, const std::vector<std::string>& filesBefore,
               int currentBefore) {
  const std::vector<DiveMark> after = Marks(session);
  switch (outcome.Result) {
    case LoadResult::Refused:
    case LoadResult::AlreadyLoaded:
      Check(after == before && session.Files() == filesBefore, "a file not taken changes nothing");
      Check(session.CurrentDive() == currentBefore, "a file not taken keeps the current dive");
      Check(!outcome.Message.empty(), "a file not taken is told");
      Check(outcome.Result == LoadResult::Refused ? outcome.ExitStatus() == 2
                                                  : outcome.ExitStatus() == 0,
            "exit status of a file not taken");
      break;
    case LoadResult::Merged:
      Check(after.size() == before.size() + static_cast<size_t>(outcome.Read.DivesRead),
            "a merge adds the dives read");
      Check(std::equal(before.begin(), before.end(), after.begin()),
            "a merge keeps every dive loaded before it");
      Check(session.CurrentDive() == currentBefore, "a merge keeps the current dive");
      Check(outcome.FirstNewDive == static_cast<int>(before.size()), "merged dives follow");
      Check(session.Files().size() == filesBefore.size() + 1, "a merged file is held");
      break;
    case LoadResult::Opened:
      Check(after.size() == static_cast<size_t>(outcome.Read.DivesRead), "open holds its dives");
      Check(session.Files().size() == 1 && session.CurrentDive() == -1, "open starts afresh");
      break;
  }
  if (outcome.Taken()) {
    Check(session.Holds(outcome.Path) && session.Files().back() == outcome.Path, "taken is held");
    Check(outcome.Read.Status == ReadStatus::Ok ||
              (outcome.Read.Status == ReadStatus::Damaged && outcome.Read.DivesRead > 0),
          "only whole logbooks, or damaged ones with a dive, are taken");
    Check(outcome.MessageIsWarning == (outcome.Read.Status == ReadStatus::Damaged),
          "the damaged notice comes with damage");
  }
  // A refused file gave no dive, so its message cannot count any ("dive 1 of 29561").
  if (outcome.Result == LoadResult::Refused) {
    Check(outcome.Message.find(" of ") == std::string::npos, "a refusal counts no dives");
  }
  Check(session.CurrentDive() == -1 || session.Store().DiveAt(session.CurrentDive()) != nullptr,
        "the current dive is a dive of the list or none");
  Check(!session.Caption().empty(), "caption");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes = fuzz::Bytes(data, size);
  fuzz::InputTail parameters = fuzz::Parameters(data, size);
  const size_t cut = size == 0 ? 0 : parameters.ConsumeIntegralInRange<size_t>(0, size);
  const std::vector<std::string> files = {
      WriteFile("input.log", bytes),
      WriteFile("cut.log", bytes.substr(0, cut)),
      WriteFile("notes.txt", "These are no dives, only notes about them.\n"),
      Folder().string(),
      (Folder() / "missing" / "gone.log").string(),
  };

  LogbookSession session;
  for (int step = 0; step < kMaxSteps && parameters.remaining_bytes() > 0; ++step) {
    const std::vector<DiveMark> before = Marks(session);
    const std::vector<std::string> filesBefore = session.Files();
    const int currentBefore = session.CurrentDive();
    const std::string& file = files[parameters.ConsumeIntegralInRange<size_t>(0, files.size() - 1)];
    switch (parameters.ConsumeIntegralInRange(0, 4)) {
      case 0:
        CheckStep(session, session.Open(file), before, filesBefore, currentBefore);
        break;
      case 1:
        CheckStep(session, session.Merge(file), before, filesBefore, currentBefore);
        break;
      case 2:
        CheckStep(session, session.Merge(file, true), before, filesBefore, currentBefore);
        break;
      case 3:
        session.Select(parameters.ConsumeIntegralInRange(-2, session.Store().DiveCount() + 1));
        Check(Marks(session) == before, "selecting changes no dive");
        break;
      default:
        session.SetDisplayOption(parameters.ConsumeIntegralInRange(0, 3));
        Check(Marks(session) == before, "the display option changes no dive");
        break;
    }
    Check(session.CurrentDive() == -1 || session.Store().DiveAt(session.CurrentDive()) != nullptr,
          "the current dive is a dive of the list or none");
  }
  return 0;
}
