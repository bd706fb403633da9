#include "logbook/LogbookReader.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "logbook/CharTranslation.h"
#include "support/LogbookBuilder.h"

namespace scrb {
namespace {

using test::BuildLogbook;
using test::EntryBuilder;
using test::Word;

std::string Hex(const std::string& hex) {
  std::string bytes;
  for (size_t i = 0; i + 1 < hex.size();) {
    if (hex[i] == ' ') {
      ++i;
      continue;
    }
    bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    i += 2;
  }
  return bytes;
}

TEST(LogbookReader, WorkedExampleOf72Bytes) {
  const std::string file = Hex(
      "00 00 00 00 00 00 01 00 00 00 00 00 12 34 F8 38 02 01 D0 02 04 4C 61 6B 65 04 50 69 65 72"
      " 01 5A 00 01 34 08 03 B0 04 6A 07 2D 00 0C 06 10 27 44 00 01 00 00 00 00 00 00 07 00"
      " 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
  ASSERT_EQ(file.size(), 72u);
  std::vector<DiveRecord> dives;
  const ReadOutcome outcome = ParseLogbook(file, dives);
  EXPECT_EQ(outcome.Status, ReadStatus::Ok);
  ASSERT_EQ(dives.size(), 1u);
  const DiveRecord& d = dives[0];
  EXPECT_EQ(d.DiveHeader, "\x12\x34");
  EXPECT_EQ(d.DiveDate, "17/10/1998");
  EXPECT_EQ(d.TimeZone, "\x01");
  EXPECT_EQ(d.DiveTime, "12:00");
  EXPECT_EQ(d.LocationLength, 4);
  EXPECT_EQ(d.Location, "Lake");
  EXPECT_EQ(d.Site, "Pier");
  EXPECT_EQ(d.AltitudeClass, 1);
  EXPECT_DOUBLE_EQ(d.SurfacePressure, 1.0);
  EXPECT_EQ(d.SurfaceInterval, "01:30");
  EXPECT_EQ(d.Weather, 1);
  EXPECT_DOUBLE_EQ(d.AirTemperature, 21);
  EXPECT_EQ(d.Suit, 3);
  EXPECT_DOUBLE_EQ(d.TankCapacity, 12);
  EXPECT_DOUBLE_EQ(d.MaxDepth, 18.98);
  EXPECT_EQ(d.DivingTime, "00:45");
  EXPECT_DOUBLE_EQ(d.WaterTemperature, 15.48);
  EXPECT_DOUBLE_EQ(d.AirConsumption, 100);
  EXPECT_EQ(d.DiveType, 0x44);
  EXPECT_EQ(d.DiveActivity, 1);
  EXPECT_EQ(d.OtherActivities, "");
  EXPECT_EQ(d.Alarms, 0);
  EXPECT_EQ(d.DiveNumber, 7);
  EXPECT_EQ(d.DiveFooter, std::string(12, '\0'));
  EXPECT_EQ(d.ProfileLength, 0);
  EXPECT_FALSE(d.ProfileDecoded);
  EXPECT_EQ(StatusText(1, outcome), "1 dives read.");
}

TEST(ByteSource, WordsTimesAndDates) {
  struct Case {
    std::string Bytes;
    int Word;
  };
  for (const Case& c : {Case{"\xFF\x7F", 32767}, Case{std::string("\x00\x80", 2), 32768},
                        Case{"\x9C\xFF", -100}, Case{"\x01\x80", -32767}}) {
    ByteSource source(c.Bytes);
    EXPECT_EQ(source.ReadWord(), c.Word);
  }
  struct TimeCase {
    int Minutes;
    const char* Text;
  };
  for (const TimeCase& c : {TimeCase{0x2D0, "12:00"}, TimeCase{5, "00:05"},
                            TimeCase{0x7FFF, "Unknown"}, TimeCase{32768, "546:08"},
                            TimeCase{-5, "-01:-05"}}) {
    const std::string bytes = Word(c.Minutes);
    ByteSource source(bytes);
    EXPECT_EQ(source.ReadTime(), c.Text) << c.Minutes;
  }
  struct DateCase {
    std::string Bytes;
    const char* Text;
  };
  for (const DateCase& c : {DateCase{"\xF8\x38\x02", "17/10/1998"},
                            DateCase{std::string(3, '\0'), "01/01/1600"},
                            DateCase{Hex("93 1D 01"), "28/02/1800"},
                            // 1800 is no leap year, 2000 is.
                            DateCase{Hex("94 1D 01"), "01/03/1800"},
                            DateCase{Hex("EC 3A 02"), "29/02/2000"},
                            DateCase{Hex("84 D0 2E"), "31/12/9999"}}) {
    ByteSource source(c.Bytes);
    EXPECT_EQ(source.ReadDate(), c.Text);
    EXPECT_FALSE(source.DateOutOfRange());
  }
  const std::string beyondBytes = Hex("85 D0 2E");
  ByteSource beyond(beyondBytes);
  beyond.ReadDate();
  EXPECT_TRUE(beyond.DateOutOfRange());
}

TEST(ByteSource, ReadsPastTheEndYieldWhatIsLeftAndMarkOverrun) {
  ByteSource source(std::string_view("abc"));
  EXPECT_EQ(source.ReadChars(0), "");
  EXPECT_FALSE(source.Overrun());
  EXPECT_EQ(source.ReadChars(5), "abc");
  EXPECT_TRUE(source.Overrun());
  EXPECT_EQ(source.ReadByte(), 0);
  EXPECT_EQ(source.ReadChars(3), "");
}

TEST(CharTranslation, DosLettersBecomeWindowsLetters) {
  EXPECT_EQ(CharTranslation(130), 233);
  EXPECT_EQ(CharTranslation(165), 209);
  EXPECT_EQ(CharTranslation(155), 155);
  EXPECT_EQ(CharTranslation(65), 65);
  EXPECT_EQ(CleanText("Caf\x82"), "Café");
  EXPECT_EQ(CleanText("\x9A"), "Ü");
  // 155 passes unchanged and is the Windows-1252 single right angle quote.
  EXPECT_EQ(CleanText("\x9B"), "\u203A");
  EXPECT_EQ(CleanText(""), "");
}

TEST(LogbookReader, AltitudeClassesAndTheirPressures) {
  struct Case {
    int Class;
    double Pressure;
  };
  for (const Case& c : {Case{0, 1.0}, Case{1, 1.0}, Case{2, 0.815}, Case{3, 0.725},
                        Case{4, 0.61}, Case{5, 0.5}, Case{6, 0.5}, Case{255, 0.5}}) {
    EntryBuilder e;
    e.AltitudeClass = c.Class;
    std::vector<DiveRecord> dives;
    ParseLogbook(BuildLogbook({e}), dives);
    ASSERT_EQ(dives.size(), 1u);
    EXPECT_EQ(dives[0].AltitudeClass, c.Class);
    EXPECT_DOUBLE_EQ(dives[0].SurfacePressure, c.Pressure);
  }
}

TEST(LogbookReader, TextsWithDosLettersAndEmptyLengths) {
  EntryBuilder e;
  e.Location = "";
  e.Site = "M\x81hle";
  e.Comment = std::string(255, 'x');
  std::vector<DiveRecord> dives;
  ASSERT_EQ(ParseLogbook(BuildLogbook({e, e}), dives).Status, ReadStatus::Ok);
  ASSERT_EQ(dives.size(), 2u);
  EXPECT_EQ(dives[1].Location, "");
  EXPECT_EQ(dives[1].Site, "Mühle");
  EXPECT_EQ(dives[1].SiteLength, 5);
  EXPECT_EQ(dives[1].CommentLength, 255);
}

TEST(LogbookReader, DiveCountZeroIgnoresTheRest) {
  std::vector<DiveRecord> dives(3);
  const ReadOutcome outcome = ParseLogbook(BuildLogbook({EntryBuilder{}}, 0), dives);
  EXPECT_EQ(outcome.Status, ReadStatus::Ok);
  EXPECT_EQ(dives.size(), 3u);
  EXPECT_EQ(StatusText(3, outcome), "3 dives read.");
}

TEST(LogbookReader, ImpossibleValuesEndTheRead) {
  EntryBuilder good;
  EntryBuilder negativeProfile;
  negativeProfile.ProfileLengthOverride = 0xFFFF;  // reads as -1
  EntryBuilder farFuture;
  farFuture.DayCount = 0xFFFFFF;
  for (const EntryBuilder& bad : {negativeProfile, farFuture}) {
    std::vector<DiveRecord> dives;
    const ReadOutcome outcome = ParseLogbook(BuildLogbook({good, bad, good}), dives);
    EXPECT_EQ(outcome.Status, ReadStatus::Damaged);
    EXPECT_EQ(outcome.DivesRead, 1);
    EXPECT_EQ(dives.size(), 1u);
    EXPECT_NE(outcome.Reason.find("damaged at dive 2 of 3"), std::string::npos);
  }
  std::vector<DiveRecord> dives;
  const ReadOutcome negativeCount = ParseLogbook(BuildLogbook({good}, 0xFFFF), dives);
  EXPECT_EQ(negativeCount.Status, ReadStatus::Damaged);
  EXPECT_TRUE(dives.empty());
  // A count larger than the bytes present keeps what is there.
  const ReadOutcome tooMany = ParseLogbook(BuildLogbook({good, good}, 30000), dives);
  EXPECT_EQ(tooMany.Status, ReadStatus::Damaged);
  EXPECT_EQ(dives.size(), 2u);
}

TEST(LogbookReader, ListEntriesUnderEveryDisplayOption) {
  DiveRecord d;
  d.DiveNumber = 7;
  d.Location = "Lake";
  d.Site = "Pier";
  EXPECT_EQ(DiveListEntry(d, 0), "    7 - Lake");
  EXPECT_EQ(DiveListEntry(d, 1), "    7 - Pier");
  EXPECT_EQ(DiveListEntry(d, 2), "    7 - Lake, Pier");
  EXPECT_EQ(DiveListEntry(d, 3), "    7 - Pier, Lake");
  d.DiveNumber = 12345;
  d.Site = "";
  EXPECT_EQ(DiveListEntry(d, 1), "12345 - ");
  d.DiveNumber = -32767;
  EXPECT_EQ(DiveListEntry(d, 0), "-32767 - Lake");
}

TEST(LogbookReader, FilesAreAppendedAndUnreadableOnesChangeNothing) {
  Logbook book;
  const std::string path = test::WriteTempFile("ten.log", BuildLogbook(std::vector<EntryBuilder>(10)));
  EXPECT_EQ(ReadLogbook(book, path).DivesRead, 10);
  EXPECT_EQ(ReadLogbook(book, path).DivesRead, 10);
  EXPECT_EQ(book.DiveCount(), 20);

  const std::string folder = std::filesystem::path(path).parent_path().string();
  for (const std::string& bad : {folder + "/missing.log", folder}) {
    const ReadOutcome outcome = ReadLogbook(book, bad);
    EXPECT_EQ(outcome.Status, ReadStatus::Unreadable) << bad;
    EXPECT_EQ(book.DiveCount(), 20);
  }
  EXPECT_EQ(UnreadableMessage(folder, ReadLogbook(book, folder)),
            "The logbook file " + folder + " cannot be read: it is a folder.");
  EXPECT_NE(ReadLogbook(book, folder + "/missing.log").Reason.find("no such file"),
            std::string::npos);
}

}  // namespace
}  // namespace scrb
