#include <gtest/gtest.h>

#include "logbook/LogbookReader.h"
#include "logbook/ProfileDecoder.h"
#include "report/ReportTexts.h"
#include "support/LogbookBuilder.h"
#include "support/ScopedLocale.h"

using namespace std::string_literals;

namespace scrb {
namespace {

// The dive of the 72-byte example file, as the reader leaves it.
DiveRecord LakeDive() {
  std::vector<DiveRecord> dives;
  ParseLogbook(test::BuildLogbook({test::EntryBuilder{}}), dives);
  return dives.at(0);
}

TEST(DetailsText, ExampleDiveLineByLine) {
  DiveRecord dive = LakeDive();
  DecodeProfile(dive);
  dive.Alarms = -1;  // word 0xFFFF
  dive.DiveFooter = "\x05\x01\xFF\xFF\x00\x80"s + std::string(6, '\0');
  dive.TimeZone.clear();  // a record built without the byte reads as 0, never past the end
  const std::string zeroRow = " - 00000000 00000000 - 000 000 - 0\r\n";
  const std::string expected =
      "Dive Number: 7\r\n"
      "    Dive Date: 17/10/1998, Dive Time: 12:00, TimeZone: 00000000\r\n"
      "    Location: Lake - Site: Pier\r\n"
      "    Altitude: Lower than 1000 m (1)\r\n"
      "    SurfaceInterval : 01:30\r\n"
      "    Weather: Clear (1)\r\n"
      "    Air Temperature : 21 C\r\n"
      "    Water Temperature : 15.48 C\r\n"
      "    Suit: One piece wetsuit (3)\r\n"
      "    Tank capacity: 12 l\r\n"
      "    Air Consumption : 100 bar\r\n"
      "    Maximum Depth: 18.98 m\r\n"
      "    Diving Time: 00:45\r\n"
      "    Dive Type: No Stop, Fresh Water (0001000100)\r\n"
      "    Alarms: Ascent, Decompression, Work, SOS (111111)\r\n"
      "    Dive Activity: Exploration (000000000001)\r\n"
      "    OtherActivities: \r\n"
      "    Partner(s): \r\n"
      "    Comment: \r\n"
      "    Dive Header: 00010010 00110100\r\n"
      "    Footer: Offset Data 0   Data 1   - Decimal - Integer\r\n"
      "            00   - 00000101 00000001 - 005 001 - 261\r\n"
      "            02   - 11111111 11111111 - 255 255 - -1\r\n"
      "            04   - 00000000 10000000 - 000 128 - 32768\r\n"
      "            06  " +
      zeroRow + "            08  " + zeroRow + "            10  " + zeroRow +
      "    Size of Dive Data: 0\r\n"
      "\r\n";
  EXPECT_EQ(DetailsText(dive), expected);
  EXPECT_EQ(RawDumpText(dive), "");  // no samples: the Raw Data page shows the details alone
}

// Lines of a text that must end every line with CR LF.
std::vector<std::string> Lines(std::string text) {
  EXPECT_TRUE(text.ends_with("\r\n"));
  std::vector<std::string> lines;
  for (size_t end; (end = text.find("\r\n")) != std::string::npos; text.erase(0, end + 2)) {
    lines.push_back(text.substr(0, end));
  }
  return lines;
}

TEST(RawDumpText, HeaderRowsThenStatusOnlyWhereTheComputerStoredOne) {
  // Three samples, their status byte, one more sample: statuses -1, -1, 201, -1.
  test::ProfileBuilder profile;
  profile.Samples = {{34, 0}, {64, 4}, {100, 63}, {200, 1}};
  profile.Status = {201};
  DiveRecord dive = test::MakeDecodedDive(profile);
  const std::vector<std::string> lines = Lines(RawDumpText(dive));
  ASSERT_EQ(lines.size(), 2u + 11u + 4u);  // header offsets 00 to 20, then the samples
  EXPECT_EQ(lines[1], "    Header: Offset Data 0   Data 1   - Decimal - Integer");
  EXPECT_EQ(lines[2], "            00   - 00010001 00010001 - 017 017 - 4369");
  EXPECT_EQ(lines[14], "    0002 , 00'40\" , 10.0 , txok,    ,    , up,    ,     ");
  EXPECT_EQ(lines[15],
            "    0003 , 01'00\" , 15.6 , notx, ess, sos, up, rbt, deco, 1, air=4, cold, bubbles=1");

  // Two samples only: the decoder leaves status 0 at both, and 0 is shown.
  profile.Samples.resize(2);
  EXPECT_EQ(Lines(RawDumpText(test::MakeDecodedDive(profile)))[13],
            "    0001 , 00'20\" , 05.3 , txok,    ,    ,   ,    ,     , 0, noair,     ,          ");
}

// The header rows reach up to the first sample of the dive computer's layout: 24 bytes of a
// nitrox model, 25 of an oxygen-capable one, whose odd last byte has a row of its own.
TEST(RawDumpText, HeaderRowsOfTheLaterModels) {
  for (const auto& [model, rows] : {std::pair{0xF7, 12u}, std::pair{0xA2, 13u}}) {
    SCOPED_TRACE(model);
    test::ProfileBuilder profile;
    profile.ModelCode = model;
    profile.Samples = {{34, 0}, {64, 4}, {100, 63}, {200, 1}};
    profile.Status = {201};
    const std::vector<std::string> lines = Lines(RawDumpText(test::MakeDecodedDive(profile)));
    ASSERT_EQ(lines.size(), 2u + rows + 4u);
    EXPECT_EQ(lines[13], "            22   - 00010001 00010001 - 017 017 - 4369");
    EXPECT_EQ(lines[1 + rows], model == 0xA2
                                   ? "            24   - 00010001          - 017     - 17"
                                   : "            22   - 00010001 00010001 - 017 017 - 4369");
    EXPECT_EQ(
        lines[rows + 4],
        "    0003 , 01'00\" , 15.6 , notx, ess, sos, up, rbt, deco, 1, air=4, cold, bubbles=1");
  }
}

TEST(SummaryTexts, LabelsInPageOrder) {
  DiveRecord dive = LakeDive();
  dive.MaxDepth = 327.67;
  dive.OtherActivities = "Fish count";
  dive.Alarms = 1 | 32;
  const DiveSummary summary = SummaryTexts(dive);
  EXPECT_EQ(summary.Heading, "Dive Number: 7");
  std::vector<std::string> lines;
  for (const SummaryLine& line : summary.Lines) lines.push_back(line.Caption + "|" + line.Value);
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "Date:| Sat 17 October 1998", "Time:| 12:00", "Location:| Lake",
                       "Site:| Pier", "Altitude:| Lower than 1000 m", "Surface Interval:| 01:30",
                       "Weather:| Clear", "Air Temperature:| 21 C", "Min. Temperature:| 15.48 C",
                       "Dive Suit:| One piece wetsuit", "Air Tank size:| 12 l",
                       "Air consumption:| 100 bar", "Maximum Depth:| Unknown", "Dive Time:| 00:45",
                       "Dive Type:| No Stop, Fresh Water", "Alarms:| Ascent, SOS (100001)",
                       "Activities:| Exploration Fish count", "Partners:| ", "Comment:| "}));
}

// Everything the General and Raw Data pages show of the example logbook, as one text.
std::string ExampleReport() {
  std::vector<DiveRecord> dives;
  ParseLogbook(test::SampleLogbook(), dives);
  std::string text;
  for (DiveRecord& dive : dives) {
    DecodeProfile(dive);
    const DiveSummary summary = SummaryTexts(dive);
    text += summary.Heading;
    for (const SummaryLine& line : summary.Lines) text += line.Value;
    text += DetailsText(dive) + RawDumpText(dive);
  }
  return text;
}

TEST(ReportTexts, TheSameUnderACommaDecimalLocale) {
  const std::string pointDecimal = ExampleReport();
  ASSERT_NE(pointDecimal.find(" m\r\n"), std::string::npos);
  const test::ScopedLocale german(test::kCommaDecimalLocale);
  ASSERT_TRUE(german.CommaDecimal()) << test::kCommaDecimalLocale << " is not installed";
  EXPECT_EQ(ExampleReport(), pointDecimal);
}

}  // namespace
}  // namespace scrb
