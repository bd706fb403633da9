#pragma once

#include <string>
#include <vector>

#include "analysis/AnalysisCache.h"
#include "logbook/Logbook.h"
#include "logbook/LogbookReader.h"

namespace scrb {

// What taking a file in did.
enum class LoadResult {
  Opened,         // its dives replaced the logbook
  Merged,         // its dives were added behind those loaded
  Refused,        // it cannot be read or holds no readable dive; nothing changed
  AlreadyLoaded,  // a merge of a file held already waits for the user's word; nothing changed
};

// One file taken in (or not), as values the window shows in its dialogs and the command line
// prints on standard error.
struct LoadOutcome {
  LoadResult Result = LoadResult::Refused;
  std::string Path;
  ReadOutcome Read;
  int FirstNewDive = 0;  // list index of the first dive it added
  // The refusal, the damaged-file notice or the question before merging a file a second time;
  // empty when the status line says all there is.
  std::string Message;
  bool MessageIsWarning = false;  // the damaged-file notice
  std::string Status;             // the status line after it

  bool Taken() const { return Result == LoadResult::Opened || Result == LoadResult::Merged; }
  // The command line's exit status for it: 2 refused, 3 damaged, 0 otherwise.
  int ExitStatus() const;
};

// The more severe of two exit statuses: a refused file (2) over a damaged one (3) over success.
int MoreSevereExit(int a, int b);

// Several files taken in order, as a restore and the command line take them.
struct LoadSequence {
  std::vector<LoadOutcome> Loads;
  bool AllTaken() const;
  int ExitStatus() const;
};

// The logbooks the user works with: the store of loaded dives, every file it holds, the current
// dive, the display option and the recent logbooks, with the rules of opening, merging and
// refusing files. The window and the command line both go through it.
class LogbookSession {
 public:
  static constexpr const char* kProgramName = "Bathyscribe";

  LogbookSession() = default;
  LogbookSession(const LogbookSession&) = delete;
  LogbookSession& operator=(const LogbookSession&) = delete;

  const Logbook& Store() const { return book_; }
  Logbook& Store() { return book_; }
  // What is derived from the dives held; it follows every open and merge.
  AnalysisCache& Analysis() { return analysis_; }
  // Every file whose dives are held, in the order taken: the opened one, then the merged ones.
  const std::vector<std::string>& Files() const { return files_; }
  bool Holds(const std::string& path) const;

  // File > Open: a taken file replaces every dive and file held, a refused one changes nothing.
  LoadOutcome Open(const std::string& path);
  // File > Merge: a taken file's dives go behind those held. A file held already is merged again
  // only with `again`; without it the outcome asks the question and nothing changes.
  LoadOutcome Merge(const std::string& path, bool again = false);
  // The first file taken is opened, the others merged behind it, repeats included (they were
  // asked for by name); a refused file is skipped and those after it are still read.
  LoadSequence TakeInOrder(const std::vector<std::string>& paths);

  int CurrentDive() const { return book_.CurrentDive; }
  // Makes the dive at the list index current; an index outside the list leaves none current.
  void Select(int index);

  int DisplayOption() const { return book_.DisplayOptionFlag; }
  // False when the option is already in force.
  bool SetDisplayOption(int option);

  // File > Recent Logbooks, the most recent first: blank and repeated entries dropped, at most
  // six; a file taken in moves to the front.
  const std::vector<std::string>& Recent() const { return recent_; }
  void SetRecent(std::vector<std::string> paths);
  void ForgetRecent(const std::string& path);

  // The window caption: the program and the logbook last taken, the program alone when none is
  // held.
  std::string Caption() const;

 private:
  LoadOutcome Read(const std::string& path, bool merge);

  Logbook book_;
  AnalysisCache analysis_;
  std::vector<std::string> files_;
  std::vector<std::string> recent_;
};

// The status line after a refusal: which file and why, without the dive counts of a file that
// gave none.
std::string RefusedStatusText(const std::string& path, const ReadOutcome& outcome);

// The question before a file held already is merged once more.
std::string MergeAgainQuestion(const std::string& path);

}  // namespace scrb
