// The main window given damaged, foreign and huge files: it says what happened, keeps what was
// loaded before a Merge, and every page still shows the dives that were read.

#include <gtest/gtest.h>

#include <QScreen>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "AppTestWindow.h"
#include "logbook/StartupSettings.h"

namespace scrb {
namespace {

using test::SampleLogbook;
using test::WriteLogbook;

// Starts without the disclaimer, as a diver who ticked it long ago, over the settings given.
struct Window : test::TestWindow {
  explicit Window(const std::string& ini = "") {
    std::ofstream(iniPath.toStdString(), std::ios::binary) << "[Settings]\nNoWarning=1\n" << ini;
    settings = std::make_unique<QtSettingsStore>(iniPath);  // reads what was just written
  }
};

// The notice comes once, with the count, the place and the promise that the file was left alone;
// the next start only says it in the status line.
TEST(DamagedInputApp, ACutLogbookOpensWithItsCompleteDivesAndSaysSoOnce) {
  const std::string sample = SampleLogbook();
  const std::string cut = sample.substr(0, sample.size() * 2 / 3);
  const QString path = WriteLogbook("cut.log", cut);
  Window w;
  w.Start();
  w.form->OpenLogbook(path);
  const int count = w.form->ListCount();
  EXPECT_TRUE(count > 10 && count < 26) << count;
  EXPECT_EQ(w.form->ListIndex(), count - 1);
  EXPECT_TRUE(w.Status().startsWith(
      QString("%1 dives read. cut.log is damaged: the file ends inside dive").arg(count)))
      << w.Status().toStdString();
  w.ShowEveryPage();
  ASSERT_EQ(w.dialogs.warnings.size(), 1);
  const QString& notice = w.dialogs.warnings[0];
  EXPECT_TRUE(
      notice.startsWith("The logbook file " + path + " is damaged: the file ends inside dive"));
  EXPECT_TRUE(notice.endsWith(
      QString("%1 dives were read and can be viewed. Nothing was written to the file.")
          .arg(count)));
  EXPECT_TRUE(w.messages.isEmpty());
  std::ifstream file(path.toStdString(), std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), cut);

  Window next("Logbook%20File=" + path.toStdString() + "\n");
  next.Start();
  EXPECT_EQ(next.form->ListCount(), count);
  EXPECT_TRUE(next.Status().contains("cut.log is damaged")) << next.Status().toStdString();
  EXPECT_TRUE(next.dialogs.warnings.isEmpty());
}

TEST(DamagedInputApp, ADamagedMergeKeepsTheDivesLoadedBefore) {
  const std::string sample = SampleLogbook();
  Window w;
  w.Start();
  w.form->OpenLogbook(WriteLogbook("sample.log", sample));
  w.form->SelectListIndex(4);
  const QStringList before = w.Entries();
  ASSERT_EQ(before.size(), 26);

  for (uint32_t seed = 1; seed <= 6; ++seed) {
    std::mt19937 random(seed);
    std::string bytes = sample;
    for (int f = 0; f < 6; ++f)
      bytes[random() % bytes.size()] ^= static_cast<char>(1 + random() % 255);
    if (seed % 3 == 0) bytes.resize(random() % bytes.size());
    w.form->MergeLogbook(WriteLogbook("flipped.log", bytes));
    EXPECT_EQ(w.Entries().mid(0, 26), before) << "seed " << seed;
    EXPECT_EQ(w.form->ListIndex(), 4) << "seed " << seed;
    EXPECT_TRUE(w.Status().startsWith(QString::number(w.form->ListCount()) + " dives read."))
        << "seed " << seed;
  }
}

// A text file, a picture or a folder chosen through the menu: a message names it, and the
// logbook on screen, the caption and the saved "Logbook File" stay as they were.
TEST(DamagedInputApp, FilesWithoutAReadableDiveAreRefusedOnOpenAndMerge) {
  std::string png("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16);
  std::mt19937 random(3);
  while (png.size() < 50000) png += static_cast<char>(random());
  Window w;
  w.Start();
  const QString sample = WriteLogbook("sample.log", SampleLogbook());
  w.form->OpenLogbook(sample);
  w.form->SelectListIndex(7);
  const QString title = w.form->windowTitle();
  const QString status = w.Status();

  const QString notes = WriteLogbook("notes.txt", std::string(4000, 'x'));
  const QString picture = WriteLogbook("picture.png", png);
  const QString folder = QString::fromStdString(std::filesystem::temp_directory_path().string());
  w.dialogs.openAnswers = {notes, picture, folder, WriteLogbook("short.log", "short")};
  for (const char* entry : {"&Open Logbook", "&Merge Logbook", "&Open Logbook", "&Merge Logbook"}) {
    test::MenuAction(*w.form, entry)->trigger();
  }
  ASSERT_EQ(w.messages.size(), 4);
  EXPECT_TRUE(w.messages[0].startsWith("The file " + notes +
                                       " holds no readable dive: it is not a logbook"));
  EXPECT_TRUE(w.messages[1].startsWith("The file " + picture + " holds no readable dive"));
  EXPECT_TRUE(w.messages[2].startsWith("The logbook file " + folder + " cannot be read: "));
  EXPECT_TRUE(w.messages[3].contains("holds no readable dive"));
  EXPECT_EQ(w.form->ListCount(), 26);
  EXPECT_EQ(w.form->ListIndex(), 7);
  EXPECT_EQ(w.form->windowTitle(), title);
  EXPECT_EQ(w.Status(), status);
  EXPECT_EQ(w.Saved("Logbook File"), sample.toStdString());
  EXPECT_TRUE(w.dialogs.warnings.isEmpty());
  w.ShowEveryPage();
}

TEST(DamagedInputApp, AHugeFileOpensWithoutReadingItAll) {
  const QString path = WriteLogbook("padded.log", SampleLogbook());
  std::filesystem::resize_file(path.toStdString(), 800ull << 20);
  Window w;
  w.Start();
  w.form->OpenLogbook(path);
  EXPECT_EQ(w.Status(), "26 dives read.");
  std::filesystem::remove_all(std::filesystem::path(path.toStdString()).parent_path());
}

// A window restored from absurd saved sizes and places would be millions of pixels wide, take
// minutes to draw its charts and sit far off the screen; it must come up on the screen instead.
TEST(DamagedInputApp, GarbageSettingsStillStartAndOnTheScreen) {
  Window absurd(
      "WindowState=0\nWidth=99999999999999999999\nHeight=1e308\nTop=1e308\nLeft=-99999999999\n");
  absurd.Start();
  const QRect screen = absurd.form->screen()->availableGeometry();
  EXPECT_LE(absurd.form->width(), screen.width());
  EXPECT_LE(absurd.form->height(), screen.height());
  EXPECT_TRUE(screen.intersects(absurd.form->frameGeometry()));

  const std::string logbook =
      "Logbook%20File=" + WriteLogbook("sample.log", SampleLogbook()).toStdString() + "\n";
  const char* keys[] = {"DisplayOptionFlag",   "DecoModelNumber", "Top",    "Left",
                        "WindowState",         "Width",           "Height", "TabNumber",
                        "CurrentDiveSelected", "LastDive"};
  const char* values[] = {"-1",    "-1e308", "nan", "inf",      "",  "@Variant(\\0\\0\\0\\x7f)",
                          "12abc", "0x10",   "-0",  "\xFF\xFE", "7", "-2147483649",
                          "30000"};
  for (uint32_t seed = 1; seed <= 4; ++seed) {
    std::mt19937 random(seed);
    std::string ini = logbook;
    for (const char* key : keys)
      ini += std::string(key) + "=" + values[random() % std::size(values)] + "\n";
    for (int i = 0; i < 200; ++i) ini += static_cast<char>(random());
    Window w(ini);
    w.Start();
    EXPECT_EQ(w.form->DiveTab()->currentIndex(),
              TabNumberFromSetting(w.settings->GetSetting("TabNumber", "1")))
        << "seed " << seed;
    EXPECT_EQ(w.form->ListCount(), 26);
    w.ShowEveryPage();
    w.form->ExitProgram();
  }
}

}  // namespace
}  // namespace scrb
