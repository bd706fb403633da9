// The window over the logbook session: what a next start restores, a repeated merge, and the
// window a refused or vanished logbook leaves, with a caption and a status line that say so.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
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

// Logbooks in folders named with umlauts and spaces, and on another drive than the first (under
// Wine the temporary folder is on C: and the build on Z:): opened, merged, in the recent list as
// the system writes paths, and restored at the next start.
TEST(LogbookSessionApp, PathsWithUmlautsSpacesAndDrives) {
  QTemporaryDir folder;
  const QString diving = folder.filePath("Tauchgänge Elba 1994");
  ASSERT_TRUE(QDir().mkpath(diving));
  const QString a = diving + "/Logbuch Jürgen.log";
  const QString b = QDir::current().absoluteFilePath("zweites Laufwerk ü.log");
  for (const auto& [path, first] : {std::pair(a, 1), std::pair(b, 20)}) {
    QFile file(path);
    std::vector<test::EntryBuilder> entries(2);
    entries[0].DiveNumber = first;
    entries[1].DiveNumber = first + 1;
    const std::string bytes = test::BuildLogbook(entries);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) &&
                file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                    static_cast<qint64>(bytes.size()));
  }
  TestWindow first("NoWarning=1\n");
  first.Start();
  first.form->OpenLogbook(a);
  first.form->MergeLogbook(b);
  EXPECT_TRUE(first.messages.isEmpty()) << first.messages.join("|").toStdString();
  EXPECT_EQ(first.Entries().size(), 4);
  const QList<QAction*> recent = RecentMenu(*first.form)->actions();
  ASSERT_EQ(recent.size(), 2);
  EXPECT_EQ(recent[0]->text(), "&1 " + QDir::toNativeSeparators(b));
  EXPECT_EQ(recent[1]->text(), "&2 " + QDir::toNativeSeparators(a));
  first.form->ExitProgram();

  TestWindow second;
  second.settings = std::make_unique<QtSettingsStore>(first.iniPath);
  second.Start();
  QApplication::processEvents();
  EXPECT_TRUE(second.messages.isEmpty()) << second.messages.join("|").toStdString();
  EXPECT_EQ(second.Entries().size(), 4);
  QFile::remove(b);
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
