// The rules of taking logbooks in, as the window and the command line share them: what is loaded
// is never lost to a refused file, the files held are known in order, and every outcome says what
// happened in words and as an exit status.

#include <gtest/gtest.h>

#include <filesystem>

#include "logbook/StartupSettings.h"
#include "session/LogbookSession.h"
#include "support/LogbookBuilder.h"

namespace scrb {
namespace {

using test::BuildLogbook;
using test::EntryBuilder;
using test::WriteTempFile;

std::string Logbook(const std::string& name, std::vector<int> numbers) {
  std::vector<EntryBuilder> entries;
  for (int n : numbers) entries.push_back(EntryBuilder{.DiveNumber = n});
  return WriteTempFile(name, BuildLogbook(entries));
}

std::vector<int> Numbers(const LogbookSession& session) {
  std::vector<int> numbers;
  for (const DiveRecord& dive : session.Store().Dives) numbers.push_back(dive.DiveNumber);
  return numbers;
}

struct Files {
  std::string a = Logbook("a.log", {1, 2});
  std::string b = Logbook("b.log", {3});
  std::string empty = Logbook("empty.log", {});
  std::string cut = [] {
    const std::string whole = BuildLogbook({EntryBuilder{.DiveNumber = 8}, EntryBuilder{}});
    return WriteTempFile("cut.log", whole.substr(0, whole.size() - 5));
  }();
  std::string text = WriteTempFile("notes.txt", std::string(4000, 'x'));
  std::string missing = "/nonexistent/gone.log";
};

TEST(LogbookSession, RefusedFilesChangeNothingAndTakenOnesReplaceOrAppend) {
  const Files f;
  LogbookSession session;
  EXPECT_EQ(session.Caption(), "Bathyscribe");
  struct Step {
    bool merge;
    std::string path;
    LoadResult result;
    int exitStatus;
    std::vector<int> numbers;
    std::vector<std::string> files;
    std::string status;
  };
  const Step steps[] = {
      {false,
       f.missing,
       LoadResult::Refused,
       2,
       {},
       {},
       "gone.log cannot be read: no such file or directory."},
      {true, f.a, LoadResult::Merged, 0, {1, 2}, {f.a}, "2 dives read."},
      {true, f.text, LoadResult::Refused, 2, {1, 2}, {f.a}, "notes.txt holds no readable dive."},
      {true,
       f.cut,
       LoadResult::Merged,
       3,
       {1, 2, 8},
       {f.a, f.cut},
       "3 dives read. cut.log is damaged"},
      {false, f.missing, LoadResult::Refused, 2, {1, 2, 8}, {f.a, f.cut}, "gone.log cannot"},
      {false, f.b, LoadResult::Opened, 0, {3}, {f.b}, "1 dives read."},
      {true, f.empty, LoadResult::Merged, 0, {3}, {f.b, f.empty}, "1 dives read."},
      {false, f.empty, LoadResult::Opened, 0, {}, {f.empty}, "0 dives read."},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.path);
    const LoadOutcome outcome = step.merge ? session.Merge(step.path) : session.Open(step.path);
    EXPECT_EQ(outcome.Result, step.result);
    EXPECT_EQ(outcome.ExitStatus(), step.exitStatus);
    EXPECT_EQ(Numbers(session), step.numbers);
    EXPECT_EQ(session.Files(), step.files);
    EXPECT_TRUE(outcome.Status.starts_with(step.status)) << outcome.Status;
    EXPECT_EQ(outcome.Message.empty(), step.exitStatus == 0);
    EXPECT_EQ(outcome.MessageIsWarning, step.exitStatus == 3);
  }
  EXPECT_EQ(session.Caption(), "Bathyscribe - " + f.empty);
  EXPECT_EQ(session.Recent(), (std::vector<std::string>{f.empty, f.b, f.cut, f.a}));
}

// A text file "declares" thousands of dives in the bytes where a logbook keeps its count; its
// refusal must not speak of them.
TEST(LogbookSession, ARefusalCountsNoDivesTheFileNeverHad) {
  const Files f;
  LogbookSession session;
  const LoadOutcome text = session.Open(f.text);
  EXPECT_TRUE(text.Message.starts_with("The file " + f.text + " holds no readable dive"));
  EXPECT_EQ(text.Message.find(" of "), std::string::npos) << text.Message;
  EXPECT_NE(text.Message.find("its first entry is damaged (byte 12)"), std::string::npos);
  const std::string head = BuildLogbook({EntryBuilder{}}).substr(0, 30);
  const LoadOutcome cut = session.Open(WriteTempFile("head.log", head));
  EXPECT_NE(cut.Message.find("the file ends inside its first entry (byte 12)"), std::string::npos)
      << cut.Message;
}

// Merging a file held already asks first, whatever name it is given; with the word it is merged.
TEST(LogbookSession, AFileHeldAlreadyIsMergedAgainOnlyOnRequest) {
  const Files f;
  LogbookSession session;
  session.Open(f.a);
  session.Select(1);
  const std::string sameFile = (std::filesystem::path(f.a).parent_path() / "." / "a.log").string();
  const LoadOutcome asked = session.Merge(sameFile);
  EXPECT_EQ(asked.Result, LoadResult::AlreadyLoaded);
  EXPECT_EQ(asked.Message, MergeAgainQuestion(sameFile));
  EXPECT_EQ(asked.ExitStatus(), 0);
  EXPECT_EQ(Numbers(session), (std::vector<int>{1, 2}));
  EXPECT_EQ(session.Merge(sameFile, true).Result, LoadResult::Merged);
  EXPECT_EQ(Numbers(session), (std::vector<int>{1, 2, 1, 2}));
  EXPECT_EQ(session.CurrentDive(), 1);
  EXPECT_EQ(session.Open(f.b).Result, LoadResult::Opened);
  EXPECT_EQ(session.CurrentDive(), -1);
}

// Work that took the records goes on reading them unchanged while files are merged and opened;
// the analysis follows the store's records, not the ones handed out.
TEST(LogbookSession, RecordsHandedOutStayWhileTheStoreMovesOn) {
  const Files f;
  LogbookSession session;
  session.Open(f.a);
  const auto taken = session.Store().Dives.Share();
  const DiveRecord* first = &session.Store().Dives[0];
  ASSERT_EQ(session.Merge(f.b).Result, LoadResult::Merged);
  EXPECT_EQ(taken->size(), 2u);
  EXPECT_EQ(&(*taken)[0], first);
  EXPECT_EQ(Numbers(session), (std::vector<int>{1, 2, 3}));
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(session.Analysis().IndexOf(session.Store().Dives[static_cast<size_t>(i)]), i);
  }
  EXPECT_EQ(session.Analysis().IndexOf((*taken)[0]), -1);
  EXPECT_TRUE(session.Analysis().Summary(2));
  session.Open(f.b);
  EXPECT_EQ(taken->at(1).DiveNumber, 2);
  EXPECT_EQ(Numbers(session), (std::vector<int>{3}));
}

// The command line and a restore: refused files are skipped, the first taken is opened, and the
// exit status is the most severe met, 2 over 3 over 0.
TEST(LogbookSession, FilesTakenInOrderSkipRefusedOnes) {
  const Files f;
  struct Case {
    std::vector<std::string> paths;
    std::vector<int> numbers;
    int exitStatus;
  };
  const Case cases[] = {
      {{f.a, f.missing, f.b}, {1, 2, 3}, 2},
      {{f.missing, f.b, f.a}, {3, 1, 2}, 2},
      {{f.cut, f.a}, {8, 1, 2}, 3},
      {{f.cut, f.text, f.a}, {8, 1, 2}, 2},
      {{f.a, f.a}, {1, 2, 1, 2}, 0},
      {{f.missing}, {}, 2},
      {{}, {}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.paths));
    LogbookSession session;
    session.Open(f.b);  // forgotten by the first file taken
    const LoadSequence sequence = session.TakeInOrder(c.paths);
    if (c.numbers.empty()) continue;
    EXPECT_EQ(Numbers(session), c.numbers);
    EXPECT_EQ(sequence.ExitStatus(), c.exitStatus);
    EXPECT_EQ(sequence.AllTaken(), c.exitStatus != 2);
    EXPECT_EQ(sequence.Loads.size(), c.paths.size());
  }
  EXPECT_EQ(MoreSevereExit(3, 2), 2);
  EXPECT_EQ(MoreSevereExit(2, 3), 2);
  EXPECT_EQ(MoreSevereExit(0, 3), 3);
}

TEST(LogbookSession, CurrentDiveDisplayOptionAndRecentList) {
  const Files f;
  LogbookSession session;
  session.Open(f.a);
  for (const auto& [index, current] : {std::pair(1, 1), {2, -1}, {0, 0}, {-5, -1}}) {
    session.Select(index);
    EXPECT_EQ(session.CurrentDive(), current) << index;
  }
  EXPECT_FALSE(session.SetDisplayOption(1));
  EXPECT_TRUE(session.SetDisplayOption(3));
  EXPECT_EQ(session.DisplayOption(), 3);
  session.SetRecent({"", "x.log", "y.log", "x.log"});
  EXPECT_EQ(session.Recent(), (std::vector<std::string>{"x.log", "y.log"}));
  session.ForgetRecent("x.log");
  session.Open(f.missing);  // a refused file does not become recent
  EXPECT_EQ(session.Recent(), (std::vector<std::string>{"y.log"}));
}

// What the settings keep of the files held, and what a next start reads back.
TEST(LogbookSession, FilesHeldSurviveTheSettings) {
  const std::vector<std::string> files = {"/d/a.log", "/d/b b.log", "/d/a.log"};
  EXPECT_EQ(MergedLogbooksSetting(files), "/d/b b.log\n/d/a.log");
  EXPECT_EQ(LogbookFilesFromSettings("/d/a.log", "/d/b b.log\n/d/a.log"), files);
  EXPECT_EQ(LogbookFilesFromSettings("/d/a.log", "\n\n"), (std::vector<std::string>{"/d/a.log"}));
  EXPECT_TRUE(LogbookFilesFromSettings("", "/d/b.log").empty());
  EXPECT_EQ(MergedLogbooksSetting({"/d/a.log"}), "");
}

}  // namespace
}  // namespace scrb
