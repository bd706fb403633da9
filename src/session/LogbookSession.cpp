#include "session/LogbookSession.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "logbook/FilePath.h"
#include "logbook/StartupSettings.h"
#include "logbook/Translation.h"

namespace scrb {
namespace {

constexpr int kExitRefused = 2;
constexpr int kExitDamaged = 3;

// Two names of one file are one file: "./a.log" and "/home/x/a.log", or a link and its target.
std::string SameFileKey(const std::string& path) {
  std::error_code error;
  const std::filesystem::path file = PathFromUtf8(path);
  std::filesystem::path canonical = std::filesystem::weakly_canonical(file, error);
  if (error) canonical = std::filesystem::absolute(file, error).lexically_normal();
  return error ? path : Utf8FromPath(canonical);
}

}  // namespace

int LoadOutcome::ExitStatus() const {
  if (Result == LoadResult::Refused) return kExitRefused;
  if (Taken() && Read.Status == ReadStatus::Damaged) return kExitDamaged;
  return 0;
}

int MoreSevereExit(int a, int b) {
  const auto rank = [](int status) {
    return status == kExitRefused ? 2 : status == kExitDamaged ? 1 : 0;
  };
  return rank(b) > rank(a) ? b : a;
}

bool LoadSequence::AllTaken() const {
  return std::ranges::all_of(Loads, &LoadOutcome::Taken);
}

int LoadSequence::ExitStatus() const {
  int status = 0;
  for (const LoadOutcome& load : Loads) status = MoreSevereExit(status, load.ExitStatus());
  return status;
}

bool LogbookSession::Holds(const std::string& path) const {
  const std::string key = SameFileKey(path);
  return std::ranges::any_of(files_,
                             [&key](const std::string& f) { return SameFileKey(f) == key; });
}

LoadOutcome LogbookSession::Open(const std::string& path) {
  return Read(path, false);
}

LoadOutcome LogbookSession::Merge(const std::string& path, bool again) {
  if (!again && Holds(path)) {
    LoadOutcome outcome;
    outcome.Result = LoadResult::AlreadyLoaded;
    outcome.Path = path;
    outcome.FirstNewDive = book_.DiveCount();
    outcome.Message = MergeAgainQuestion(path);
    return outcome;
  }
  return Read(path, true);
}

LoadSequence LogbookSession::TakeInOrder(const std::vector<std::string>& paths) {
  LoadSequence sequence;
  bool opened = false;
  for (const std::string& path : paths) {
    sequence.Loads.push_back(opened ? Merge(path, true) : Open(path));
    opened = opened || sequence.Loads.back().Taken();
  }
  return sequence;
}

LoadOutcome LogbookSession::Read(const std::string& path, bool merge) {
  LoadOutcome outcome;
  outcome.Path = path;
  // Read into a store of its own first: a file that cannot be read must not cost the user the
  // logbook already loaded.
  Logbook fresh;
  outcome.Read = ReadLogbook(fresh, path);
  const std::string refusal = RefusalMessage(path, outcome.Read);
  if (!refusal.empty()) {
    outcome.Result = LoadResult::Refused;
    outcome.FirstNewDive = book_.DiveCount();
    outcome.Message = refusal;
    outcome.Status = RefusedStatusText(path, outcome.Read);
    return outcome;
  }
  outcome.Result = merge ? LoadResult::Merged : LoadResult::Opened;
  if (merge) {
    outcome.FirstNewDive = book_.DiveCount();
    book_.Dives.Append(std::move(fresh.Dives));
    analysis_.DivesAppended(book_.Dives.Share());
  } else {
    book_.Dives = std::move(fresh.Dives);
    book_.CurrentDive = -1;
    files_.clear();
    analysis_.SetDives(book_.Dives.Share());
  }
  files_.push_back(path);
  book_.LogbookFile = path;
  recent_ = RecentLogbooksAfterOpening(std::move(recent_), path);
  outcome.Status = StatusText(book_.DiveCount(), outcome.Read, path);
  if (outcome.Read.Status == ReadStatus::Damaged) {
    outcome.Message = DamagedFileMessage(path, outcome.Read);
    outcome.MessageIsWarning = true;
  }
  return outcome;
}

void LogbookSession::Select(int index) {
  book_.CurrentDive = book_.DiveAt(index) != nullptr ? index : -1;
}

bool LogbookSession::SetDisplayOption(int option) {
  if (option == book_.DisplayOptionFlag) return false;
  book_.DisplayOptionFlag = option;
  return true;
}

void LogbookSession::SetRecent(std::vector<std::string> paths) {
  recent_ = CleanRecentLogbooks(std::move(paths));
}

void LogbookSession::ForgetRecent(const std::string& path) {
  std::erase(recent_, path);
}

std::string LogbookSession::Caption() const {
  if (files_.empty()) return kProgramName;
  return std::string(kProgramName) + " - " + book_.LogbookFile;
}

std::string RefusedStatusText(const std::string& path, const ReadOutcome& outcome) {
  if (outcome.Status == ReadStatus::Unreadable)
    return FillIn(Tr("Logbook", "%1 cannot be read: %2."), {FileNameOf(path), outcome.Reason});
  return FillIn(Tr("Logbook", "%1 holds no readable dive."), {FileNameOf(path)});
}

std::string MergeAgainQuestion(const std::string& path) {
  return FillIn(Tr("Logbook",
                   "The logbook file %1 is loaded already. Merge its dives once more, so that "
                   "they are listed twice?"),
                {path});
}

}  // namespace scrb
