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

// The status line after reading `bytes` into a store that held `before`.
std::string StatusWhenRead(std::vector<DiveRecord> before, const std::string& bytes) {
  const ReadOutcome outcome = ParseLogbook(bytes, before);
  return StatusText(static_cast<int>(before.size()), outcome);
}

// Starts without the disclaimer, as a diver who ticked it long ago, over the settings given.
struct Window : test::TestWindow {
  explicit Window(const std::string& ini = "") {
    std::ofstream(iniPath.toStdString(), std::ios::binary) << "[Settings]\nNoWarning=1\n" << ini;
    settings = std::make_unique<QtSettingsStore>(iniPath);  // reads what was just written
  }
};

TEST(DamagedInputApp, ACutLogbookOpensWithItsCompleteDivesAndSaysSo) {
  const std::string sample = SampleLogbook();
  Window w;
  w.Start();
  const std::string cut = sample.substr(0, sample.size() * 2 / 3);
  w.form->OpenLogbook(WriteLogbook("cut.log", cut));
  EXPECT_TRUE(w.form->ListCount() > 10 && w.form->ListCount() < 26) << w.form->ListCount();
  EXPECT_EQ(w.form->ListIndex(), w.form->ListCount() - 1);
  EXPECT_EQ(w.Status().toStdString(), StatusWhenRead({}, cut));
  EXPECT_TRUE(w.Status().contains("The last file is damaged: the file ends inside dive"));
  EXPECT_TRUE(w.messages.isEmpty());
  w.ShowEveryPage();
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
    const size_t listed = static_cast<size_t>(w.form->ListCount());
    w.form->MergeLogbook(WriteLogbook("flipped.log", bytes));
    EXPECT_EQ(w.Entries().mid(0, 26), before) << "seed " << seed;
    EXPECT_EQ(w.form->ListIndex(), 4) << "seed " << seed;
    EXPECT_EQ(w.Status().toStdString(), StatusWhenRead(std::vector<DiveRecord>(listed), bytes))
        << "seed " << seed;
  }
  EXPECT_TRUE(w.messages.isEmpty());
}

TEST(DamagedInputApp, ForeignAndUnreadableFilesAreReportedAndCostNothingOnMerge) {
  std::string png("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16);
  std::mt19937 random(3);
  while (png.size() < 50000) png += static_cast<char>(random());
  Window w;
  w.Start();
  w.form->OpenLogbook(WriteLogbook("sample.log", SampleLogbook()));
  w.form->MergeLogbook(WriteLogbook("picture.png", png));
  EXPECT_EQ(w.form->ListCount(), 26);
  EXPECT_EQ(w.Status().toStdString(), StatusWhenRead(std::vector<DiveRecord>(26), png));

  const QString folder = QString::fromStdString(std::filesystem::temp_directory_path().string());
  w.form->MergeLogbook(folder);
  ASSERT_EQ(w.messages.size(), 1);
  EXPECT_EQ(w.messages[0], "The logbook file " + folder + " cannot be read: it is a folder.");
  EXPECT_EQ(w.form->ListCount(), 26);

  // Open replaces the logbook, even with a file that holds none.
  w.form->OpenLogbook(WriteLogbook("notes.txt", std::string(4000, 'x')));
  EXPECT_EQ(w.form->ListCount(), 0);
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
    EXPECT_EQ(w.form->ListCount(), 25);
    w.ShowEveryPage();
    w.form->ExitProgram();
  }
}

}  // namespace
}  // namespace scrb
