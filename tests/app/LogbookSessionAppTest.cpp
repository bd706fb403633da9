// The window over the logbook session: what a next start restores, a repeated merge, and the
// window a refused or vanished logbook leaves, with a caption and a status line that say so.

#include <gtest/gtest.h>

#include <QApplication>
#include <filesystem>

#include "AppTestWindow.h"

namespace scrb {
namespace {

using test::LogbookFile;
using test::TestWindow;

// Open A, Merge B, Exit: the next start holds both, in order, on the saved dive. When one of them
// has gone the start says so and selects the first dive, the saved place meaning another dive now.
TEST(LogbookSessionApp, EveryFileHeldIsRestored) {
  const QString a = LogbookFile("restore-a.log", 3, 1), b = LogbookFile("restore-b.log", 2, 20);
  TestWindow first("NoWarning=1\n");
  first.Start();
  first.form->OpenLogbook(a);
  first.form->MergeLogbook(b);
  Table(*first.form).SelectListIndex(1);
  first.form->ExitProgram();
  EXPECT_EQ(std::pair(first.Saved("Logbook File"), first.Saved("MergedLogbooks")),
            std::pair(a.toStdString(), b.toStdString()));

  const auto nextStart = [&first](TestWindow& w) {
    w.settings = std::make_unique<QtSettingsStore>(first.iniPath);
    w.Start();
    QApplication::processEvents();
  };
  TestWindow second;
  nextStart(second);
  EXPECT_EQ(second.Entries().size(), 5);
  EXPECT_EQ(second.Entries().value(3), "   20 - Pier");
  EXPECT_EQ(Table(*second.form).ListIndex(), 1);
  EXPECT_EQ(second.state->Book().CurrentDive, 1);
  EXPECT_TRUE(second.messages.isEmpty());
  EXPECT_EQ(second.form->windowTitle(), "Bathyscribe - " + b);

  std::filesystem::remove(a.toStdString());
  TestWindow third;
  nextStart(third);
  EXPECT_EQ(third.Entries(), QStringList({"   20 - Pier", "   21 - Pier"}));
  EXPECT_EQ(Table(*third.form).ListIndex(), 0);
  ASSERT_EQ(third.messages.size(), 1);
  EXPECT_TRUE(third.messages[0].startsWith("The logbook file " + a + " cannot be read: "));
}

// Merging a file held already asks; No leaves the list alone, Yes lists its dives twice.
TEST(LogbookSessionApp, ARepeatedMergeAsksFirst) {
  const QString a = LogbookFile("twice.log", 2);
  TestWindow w("NoWarning=1\n");
  w.Start();
  w.form->OpenLogbook(a);
  for (const auto& [answer, count] : {std::pair(false, 2), std::pair(true, 4)}) {
    w.dialogs.yesNoAnswers = {answer};
    EXPECT_EQ(w.form->MergeLogbook(a), answer);
    EXPECT_EQ(Table(*w.form).ListCount(), count);
  }
  ASSERT_EQ(w.dialogs.questions.size(), 2);
  EXPECT_TRUE(w.dialogs.questions[0].startsWith("The logbook file " + a + " is loaded already."));
  EXPECT_TRUE(w.messages.isEmpty());
}

// A refused file on the command line, or a remembered logbook that has gone: an empty list under
// a caption that names nothing, a status line and a message that say what happened.
TEST(LogbookSessionApp, NothingLoadedSaysWhy) {
  const std::string remembered = LogbookFile("remembered.log", 3).toStdString();
  const QString notes = test::WriteLogbook("notes.txt", std::string(4000, 'x'));
  const QString gone = "/nonexistent/gone.log";
  struct Case {
    std::string ini;
    bool readLast;
    QString argument;
    QString status;
    QString message;
  };
  const Case cases[] = {
      {"Logbook%20File=" + remembered + "\n", false, notes, "notes.txt holds no readable dive.",
       "The file " + notes + " holds no readable dive: it is not a logbook"},
      {"Logbook%20File=" + remembered + "\n", false, gone,
       "gone.log cannot be read: no such file or directory.", "The logbook file " + gone},
      {"Logbook%20File=" + gone.toStdString() + "\n", true, "",
       "gone.log cannot be read: no such file or directory.", "The logbook file " + gone},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.argument.toStdString());
    TestWindow w("NoWarning=1\n" + c.ini);
    w.form = std::make_unique<MainWindow>(*w.state, w.dialogs);
    ASSERT_TRUE(w.form->StartUp(c.readLast));
    w.form->LoadWindow();
    if (!c.argument.isEmpty()) {
      EXPECT_FALSE(w.form->OpenLogbook(c.argument));
    }
    EXPECT_EQ(Table(*w.form).ListCount(), 0);
    EXPECT_EQ(w.form->windowTitle(), "Bathyscribe");
    EXPECT_EQ(w.Status(), c.status);
    ASSERT_EQ(w.messages.size(), 1);
    EXPECT_TRUE(w.messages[0].startsWith(c.message)) << w.messages[0].toStdString();
    EXPECT_FALSE(w.messages[0].contains(" of ")) << w.messages[0].toStdString();
  }
}

}  // namespace
}  // namespace scrb
