// The main window given damaged, foreign files and settings: it says what happened, keeps what
// was loaded before, and every page still shows the dives that were read.

#include <gtest/gtest.h>

#include <QScreen>
#include <filesystem>

#include "AppTestWindow.h"

namespace scrb {
namespace {

using test::SampleLogbook;
using test::WriteLogbook;

// A text file, a folder or a file too short: a message names it, and the logbook on screen, the
// caption and the saved "Logbook File" stay. A cut file merges its complete dives behind those
// loaded before; the notice comes once, with the count, the place and the promise that the file
// was left alone, and the next start only says it in the status line.
TEST(DamagedInputApp, RefusedAndCutFilesKeepTheDivesLoadedBefore) {
  const std::string cut = SampleLogbook().substr(0, SampleLogbook().size() * 2 / 3);
  const QString cutPath = WriteLogbook("cut.log", cut);
  const QString opened = WriteLogbook("sample.log", SampleLogbook());
  test::TestWindow w("NoWarning=1\n");
  w.Start();
  w.form->OpenLogbook(opened);
  Table(*w.form).SelectListIndex(7);
  const QString title = w.form->windowTitle(), status = w.Status();
  const QStringList before = w.Entries();
  ASSERT_EQ(before.size(), 26);

  const QString notes = WriteLogbook("notes.txt", std::string(4000, 'x'));
  const QString folder = QString::fromStdString(std::filesystem::temp_directory_path().string());
  w.dialogs.openAnswers = {notes, folder, WriteLogbook("short.log", "short"), cutPath};
  for (const char* entry : {"&Open Logbook", "&Merge Logbook", "&Open Logbook"})
    test::MenuAction(*w.form, entry)->trigger();
  ASSERT_EQ(w.messages.size(), 3);
  EXPECT_TRUE(w.messages[0].startsWith("The file " + notes +
                                       " holds no readable dive: it is not a logbook"));
  EXPECT_TRUE(w.messages[1].startsWith("The logbook file " + folder + " cannot be read: "));
  EXPECT_TRUE(w.messages[2].contains("holds no readable dive"));
  EXPECT_EQ(w.Entries(), before);
  EXPECT_EQ(Table(*w.form).ListIndex(), 7);
  EXPECT_EQ(w.form->windowTitle(), title);
  EXPECT_EQ(w.Status(), status);
  EXPECT_EQ(w.Saved("Logbook File"), opened.toStdString());
  EXPECT_TRUE(w.dialogs.warnings.isEmpty());

  test::MenuAction(*w.form, "&Merge Logbook")->trigger();
  const int count = Table(*w.form).ListCount() - 26;
  EXPECT_TRUE(count > 10 && count < 26) << count;
  EXPECT_EQ(w.Entries().mid(0, 26), before);
  EXPECT_EQ(Table(*w.form).ListIndex(), 7);
  EXPECT_TRUE(w.Status().startsWith(
      QString("%1 dives read. cut.log is damaged: the file ends inside dive").arg(count + 26)))
      << w.Status().toStdString();
  w.ShowEveryPage();
  ASSERT_EQ(w.dialogs.warnings.size(), 1);
  EXPECT_TRUE(w.dialogs.warnings[0].startsWith("The logbook file " + cutPath +
                                               " is damaged: the file ends inside dive"));
  EXPECT_TRUE(w.dialogs.warnings[0].endsWith(
      QString("%1 dives were read and can be viewed. Nothing was written to the file.")
          .arg(count)));
  EXPECT_EQ(w.messages.size(), 3);
  EXPECT_EQ(test::ReadFile(cutPath.toStdString()), cut);

  test::TestWindow next("NoWarning=1\nLogbook%20File=" + cutPath.toStdString() + "\n");
  next.Start();
  EXPECT_EQ(Table(*next.form).ListCount(), count);
  EXPECT_TRUE(next.Status().contains("cut.log is damaged")) << next.Status().toStdString();
  EXPECT_TRUE(next.dialogs.warnings.isEmpty());
}

// Saved values beyond the logbook, the pages, the options or any sense fall back to ones that
// exist. A window restored from absurd sizes and places would be millions of pixels wide, take
// minutes to draw its charts and sit far off the screen; it must come up on the screen instead.
TEST(DamagedInputApp, GarbageSettingsStillStartAndOnTheScreen) {
  const std::string sample = WriteLogbook("s.log", SampleLogbook()).toStdString();
  test::TestWindow w("NoWarning=1\nLogbook%20File=" + sample +
                     "\nLastDive=0\nTabNumber=7\nDisplayOptionFlag=4\nCurrentDiveSelected=30\n"
                     "DecoModelNumber=nan\nDiveListWidth=-1e300\nWindowState=0\n"
                     "Width=99999999999999999999\nHeight=1e308\nTop=1e308\nLeft=-99999999999\n" +
                     std::string("\xFF\xFE\x00[=\n", 6));
  w.Start();
  EXPECT_EQ(Table(*w.form).ListIndex(), 25);
  EXPECT_EQ(DiveTab(*w.form)->currentIndex(), 1);
  EXPECT_EQ(w.state->Book().DisplayOptionFlag, 0);
  EXPECT_GT(DiveList(*w.form)->width(), 50);
  const QRect screen = w.form->screen()->availableGeometry();
  EXPECT_LE(w.form->width(), screen.width());
  EXPECT_LE(w.form->height(), screen.height());
  EXPECT_TRUE(screen.intersects(w.form->frameGeometry()));
  w.ShowEveryPage();
  w.form->ExitProgram();
}

}  // namespace
}  // namespace scrb
