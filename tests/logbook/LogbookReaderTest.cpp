#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "logbook/CharTranslation.h"
#include "logbook/LogbookReader.h"
#include "support/LogbookBuilder.h"

namespace scrb {
namespace {

using test::BuildLogbook;
using test::EntryBuilder;

TEST(LogbookReader, WorkedExampleOf72Bytes) {
  std::istringstream hex(
      "00 00 00 00 00 00 01 00 00 00 00 00 12 34 F8 38 02 01 D0 02 04 4C 61 6B 65 04 50 69 65 72"
      " 01 5A 00 01 34 08 03 B0 04 6A 07 2D 00 0C 06 10 27 44 00 01 00 00 00 00 00 00 07 00"
      " 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
  std::string file;
  for (unsigned byte = 0; hex >> std::hex >> byte;) file += static_cast<char>(byte);
  ASSERT_EQ(file.size(), 72u);
  std::vector<DiveRecord> dives;
  const ReadOutcome outcome = ParseLogbook(file, dives);
  EXPECT_EQ(outcome.Status, ReadStatus::Ok);
  EXPECT_EQ(StatusText(1, outcome, "/a/b.log"), "1 dives read.");
  ASSERT_EQ(dives.size(), 1u);
  const DiveRecord& d = dives[0];
  EXPECT_EQ((std::vector<std::string>{d.DiveHeader, d.DiveDate, d.TimeZone, d.DiveTime, d.Location,
                                      d.Site, d.SurfaceInterval, d.DivingTime, d.OtherActivities,
                                      d.DiveFooter}),
            (std::vector<std::string>{"\x12\x34", "17/10/1998", "\x01", "12:00", "Lake", "Pier",
                                      "01:30", "00:45", "", std::string(12, '\0')}));
  EXPECT_EQ((std::vector<double>{d.SurfacePressure, d.AirTemperature, d.TankCapacity, d.MaxDepth,
                                 d.WaterTemperature, d.AirConsumption}),
            (std::vector<double>{1.0, 21, 12, 18.98, 15.48, 100}));
  EXPECT_EQ((std::vector<int>{d.LocationLength, d.AltitudeClass, d.Weather, d.Suit, d.DiveType,
                              d.DiveActivity, d.Alarms, d.DiveNumber, d.ProfileLength}),
            (std::vector<int>{4, 1, 1, 3, 0x44, 1, 0, 7, 0}));
}

TEST(ByteSource, WordsTimesAndDates) {
  // Words are signed; 0x8000 alone is kept positive as the logbook software did.
  EXPECT_EQ(ByteSource(std::string_view("\x00\x80", 2)).ReadWord(), 32768);
  EXPECT_EQ(ByteSource(std::string_view("\xFF\x7F")).ReadTime(), "Unknown");
  EXPECT_EQ(ByteSource(std::string_view("\xFB\xFF")).ReadTime(), "-01:-05");
  EXPECT_EQ(ByteSource(std::string_view("\xEC\x3A\x02")).ReadDate(), "29/02/2000");
}

TEST(LogbookReader, OddValuesAndImpossibleOnes) {
  // Classes 5 and above have no pressure of their own; 0 would divide the saturation by zero.
  EntryBuilder good;
  EntryBuilder high;
  high.AltitudeClass = 255;
  std::vector<DiveRecord> dives;
  ASSERT_EQ(ParseLogbook(BuildLogbook({high}), dives).Status, ReadStatus::Ok);
  EXPECT_DOUBLE_EQ(dives.at(0).SurfacePressure, 0.5);

  // An impossible value ends the read, keeping the dives before it.
  EntryBuilder farFuture;
  farFuture.DayCount = 0xFFFFFF;
  dives.clear();
  const ReadOutcome outcome = ParseLogbook(BuildLogbook({good, farFuture, good}), dives);
  EXPECT_EQ(dives.size(), 1u);
  EXPECT_NE(outcome.Reason.find("damaged at dive 2 of 3"), std::string::npos);
  dives.clear();
  EXPECT_EQ(ParseLogbook(BuildLogbook({good}, 0xFFFF), dives).Status, ReadStatus::Damaged);
  EXPECT_TRUE(dives.empty());
  // A count of 0 is believed, and whatever follows it ignored.
  EXPECT_EQ(StatusText(0, ParseLogbook(BuildLogbook({good}, 0), dives), "x.log"), "0 dives read.");
  EXPECT_TRUE(dives.empty());
}

TEST(LogbookReader, FilesAreAppendedAndUnreadableOnesChangeNothing) {
  Logbook book;
  const std::string path =
      test::WriteTempFile("ten.log", BuildLogbook(std::vector<EntryBuilder>(10)));
  ReadLogbook(book, path);
  EXPECT_EQ(ReadLogbook(book, path).DivesRead, 10);
  EXPECT_EQ(book.DiveCount(), 20);

  // A missing file takes the same way; the command-line tests name one.
  const std::string folder = std::filesystem::path(path).parent_path().string();
  const ReadOutcome outcome = ReadLogbook(book, folder);
  EXPECT_EQ(outcome.Status, ReadStatus::Unreadable);
  EXPECT_EQ(UnreadableMessage(folder, outcome),
            "The logbook file " + folder + " cannot be read: it is a folder.");
  EXPECT_EQ(RefusalMessage(folder, outcome), UnreadableMessage(folder, outcome));
  EXPECT_EQ(book.DiveCount(), 20);
}

// Files that give no dive at all are refused whole; files that give some say how many, and which
// file is damaged, by its name.
TEST(LogbookReader, NoReadableDiveIsRefusedSomeDivesAreReported) {
  EntryBuilder good;
  const std::string three = BuildLogbook({good, good, good});
  std::vector<DiveRecord> dives;
  for (const std::string& bytes : {std::string(4000, 'x'), std::string("short"),
                                   three.substr(0, 40), BuildLogbook({good}, 0xFFFE)}) {
    const ReadOutcome outcome = ParseLogbook(bytes, dives);
    EXPECT_TRUE(HoldsNoReadableDive(outcome)) << outcome.Reason;
    EXPECT_EQ(RefusalMessage("/d/notes.txt", outcome),
              "The file /d/notes.txt holds no readable dive: it is not a logbook, or it is damaged "
              "before its first dive (" +
                  outcome.Reason + ").");
  }
  EXPECT_TRUE(dives.empty());
  EXPECT_EQ(RefusalMessage("empty.log", ParseLogbook(BuildLogbook({good}, 0), dives)), "");

  const ReadOutcome cut = ParseLogbook(three.substr(0, three.size() - 3), dives);
  EXPECT_FALSE(HoldsNoReadableDive(cut));
  EXPECT_EQ(RefusalMessage("/d/cut.log", cut), "");
  EXPECT_EQ(StatusText(2, cut, "/d/cut.log"),
            "2 dives read. cut.log is damaged: " + cut.Reason + ".");
  EXPECT_EQ(DamagedFileMessage("/d/cut.log", cut),
            "The logbook file /d/cut.log is damaged: the file ends inside dive 3 of 3 (byte " +
                std::to_string(12 + 2 * (three.size() - 12) / 3) +
                ").\r\n\r\n2 dives were read and can be viewed. Nothing was written to the file.");
}

// The DOS letters of a name such as "Müggelsee" or "Kraków": all 33 moved entries, bytes
// 128..154 and 160..165, become these letters of the same code in Unicode; every other byte keeps
// its value, and reads as Windows-1252 on every desktop.
TEST(CharTranslation, WholeTable) {
  const char32_t moved[] = U"ÇüéâäàåçêëèïîìÄÅÉæÆôöòûùÿÖÜáíóúñÑ";
  std::string dosLetters;
  for (int b = 0; b < 256; ++b) {
    const int index = b >= 128 && b <= 154 ? b - 128 : b >= 160 && b <= 165 ? b - 133 : -1;
    if (index >= 0) dosLetters += static_cast<char>(b);
    EXPECT_EQ(CharTranslation(static_cast<unsigned char>(b)),
              index < 0 ? b : static_cast<int>(moved[index]))
        << b;
  }
  EXPECT_EQ(CleanText(dosLetters), "ÇüéâäàåçêëèïîìÄÅÉæÆôöòûùÿÖÜáíóúñÑ");
  EXPECT_EQ(CleanText("A\x9B\x9F\xA6\xFF"), "A›Ÿ¦ÿ");
}

}  // namespace
}  // namespace scrb
