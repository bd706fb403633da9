#include <gtest/gtest.h>

#include "logbook/LogbookReader.h"
#include "logbook/ProfileDecoder.h"
#include "report/ReportTexts.h"
#include "support/LogbookBuilder.h"
#include "support/ScopedLocale.h"

using namespace std::string_literals;

namespace scrb {
namespace {

using Lines = std::vector<std::string>;

// The dive of the 72-byte example file, as the reader leaves it.
DiveRecord LakeDive() {
  std::vector<DiveRecord> dives;
  ParseLogbook(test::BuildLogbook({test::EntryBuilder{}}), dives);
  return dives.at(0);
}

// The lines of a text that must end every line with CR LF.
Lines LinesOf(std::string text) {
  EXPECT_TRUE(text.ends_with("\r\n"));
  Lines lines;
  for (size_t end; (end = text.find("\r\n")) != std::string::npos; text.erase(0, end + 2))
    lines.push_back(text.substr(0, end));
  return lines;
}

// The lines that the example logbook's golden outputs do not reach.
TEST(DetailsText, AllAlarmsAFooterOfOddWordsAndNoTimeZoneByte) {
  DiveRecord dive = LakeDive();
  dive.Alarms = -1;  // word 0xFFFF
  dive.DiveFooter = "\x05\x01\xFF\xFF\x00\x80"s + std::string(6, '\0');
  dive.TimeZone.clear();  // a record built without the byte reads as 0, never past the end
  const Lines lines = LinesOf(DetailsText(dive));
  ASSERT_EQ(lines.size(), 29u);
  EXPECT_EQ((Lines{lines[1], lines[14]}),
            (Lines{"    Dive Date: 17/10/1998, Dive Time: 12:00, TimeZone: 00000000",
                   "    Alarms: Ascent, Decompression, Work, SOS (111111)"}));
  EXPECT_EQ(Lines(lines.begin() + 21, lines.begin() + 24),
            (Lines{"            00   - 00000101 00000001 - 005 001 - 261",
                   "            02   - 11111111 11111111 - 255 255 - -1",
                   "            04   - 00000000 10000000 - 000 128 - 32768"}));
}

// The header rows reach up to the first sample of the dive computer's layout: 22 bytes of an
// earlier model, 24 of a nitrox one, 25 of an oxygen-capable one, whose odd last byte has a row of
// its own. Statuses show only where the computer stored one.
TEST(RawDumpText, HeaderRowsThenTheSamples) {
  const std::string sample3 =
      "    0003 , 01'00\" , 15.6 , notx, ess, sos, up, rbt, deco, 1, air=4, cold, bubbles=1";
  for (const auto& [model, rows, lastRow] :
       {std::tuple{0x00, 11u, "            20   - 00010001 00010001 - 017 017 - 4369"},
        std::tuple{0xF7, 12u, "            22   - 00010001 00010001 - 017 017 - 4369"},
        std::tuple{0xA2, 13u, "            24   - 00010001          - 017     - 17"}}) {
    SCOPED_TRACE(model);
    test::ProfileBuilder profile{
        .Samples = {{34, 0}, {64, 4}, {100, 63}, {200, 1}}, .Status = {201}, .ModelCode = model};
    const DiveRecord dive = test::MakeDecodedDive(profile);
    const Lines lines = LinesOf(RawDumpText(dive, DecodeProfile(dive)));
    ASSERT_EQ(lines.size(), 2u + rows + 4u);
    EXPECT_EQ(lines[1], "    Header: Offset Data 0   Data 1   - Decimal - Integer");
    EXPECT_EQ(lines[2], "            00   - 00010001 00010001 - 017 017 - 4369");
    EXPECT_EQ(Lines(lines.begin() + 1 + rows, lines.end()),
              (Lines{lastRow, "    0001 , 00'20\" , 05.3 , txok,    ,    ,   ,    ,     ",
                     "    0002 , 00'40\" , 10.0 , txok,    ,    , up,    ,     ", sample3,
                     "    0004 , 01'20\" , 31.3 , txok,    ,    ,   ,    , deco"}));
  }
  // Two samples only: the decoder leaves status 0 at both, and 0 is shown.
  const test::ProfileBuilder two{.Samples = {{34, 0}, {64, 4}}};
  const DiveRecord twoDive = test::MakeDecodedDive(two);
  EXPECT_EQ(LinesOf(RawDumpText(twoDive, DecodeProfile(twoDive)))[13],
            "    0001 , 00'20\" , 05.3 , txok,    ,    ,   ,    ,     , 0, noair,     ,          ");
}

TEST(SummaryTexts, LabelsInPageOrder) {
  DiveRecord dive = LakeDive();
  dive.MaxDepth = 327.67;
  dive.OtherActivities = "Fish count";
  dive.Alarms = 1 | 32;
  const DiveSummary summary = SummaryTexts(dive, UnitSystem::Metric);
  EXPECT_EQ(summary.Heading, "Dive Number: 7");
  Lines lines;
  for (const SummaryLine& line : summary.Lines) lines.push_back(line.Caption + "|" + line.Value);
  EXPECT_EQ(lines,
            (Lines{"Date:| Sat 17 October 1998", "Time:| 12:00", "Location:| Lake", "Site:| Pier",
                   "Altitude:| Lower than 1000 m", "Surface Interval:| 01:30", "Weather:| Clear",
                   "Air Temperature:| 21 C", "Min. Temperature:| 15.48 C",
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
  for (const DiveRecord& dive : dives) {
    const DiveSummary summary = SummaryTexts(dive, UnitSystem::Metric);
    text += summary.Heading;
    for (const SummaryLine& line : summary.Lines) text += line.Value;
    text += DetailsText(dive) + RawDumpText(dive, DecodeProfile(dive));
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
