// The usual codes, the missing-value mark and the word wrap show in the report and export text
// tests; here every table is checked whole, as a diver reads it in the details and the raw dump.

#include <gtest/gtest.h>

#include "report/DateFormat.h"
#include "report/FieldDecoders.h"

namespace scrb {
namespace {

TEST(FieldDecoders, CodeTablesWhole) {
  const struct {
    int Code;
    const char *Altitude, *Weather, *Suit;
  } rows[] = {
      {-1, "Higher than 4000m", "Unknown", "Unknown"},
      {0, "Unknown", "Unknown", "Unknown"},
      {1, "Lower than 1000 m", "Clear", "No suit"},
      {2, "Between 900m and 1950m", "Cloudy", "Shorty"},
      {3, "Between 1700m and 2900m", "Misty - Fog", "One piece wetsuit"},
      {4, "Between 2700m and 4000m", "Rain", "Two pieces wetsuit"},
      {5, "Higher than 4000m", "Stormy", "Semi-dry"},
      {6, "Higher than 4000m", "Snow", "Dry suit"},
      {7, "Higher than 4000m", "Unknown", "Unknown"},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(AltitudeText(r.Code), r.Altitude) << r.Code;
    EXPECT_EQ(WeatherText(r.Code), r.Weather) << r.Code;
    EXPECT_EQ(SuitText(r.Code), r.Suit) << r.Code;
  }
}

TEST(FieldDecoders, BitListsWhole) {
  const struct {
    int Bit;
    const char *Alarm, *DiveType, *Activity;
  } rows[] = {
      {1, "Ascent", "", "Exploration"},
      {2, "No Alarms", "", "Club Dive"},
      {4, "No Alarms", "No Stop", "Education"},
      {8, "Decompression", "Decompression", "Instruction"},
      {16, "Work", "Single Ascent", "Night Dive"},
      {32, "SOS", "Multiple Ascent", "Cave Dive"},
      {64, "No Alarms", "Fresh Water", "Ice Dive"},
      {128, "No Alarms", "Sea Water", "Search Dive"},
      {256, "No Alarms", "Nitrox", "Wreck Dive"},
      {512, "No Alarms", "", "River Dive"},
      {1024, "No Alarms", "", "Drift Dive"},
      {2048, "No Alarms", "", "Photo Dive"},
      {4096, "No Alarms", "", ""},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(AlarmText(r.Bit), r.Alarm) << r.Bit;
    EXPECT_EQ(DiveTypeText(r.Bit), r.DiveType) << r.Bit;
    EXPECT_EQ(ActivityText(r.Bit), r.Activity) << r.Bit;
  }
  EXPECT_EQ(AlarmText(0xFFFF), "Ascent, Decompression, Work, SOS");
  EXPECT_EQ(DiveTypeText(-1),
            "No Stop, Decompression, Single Ascent, Multiple Ascent, Fresh "
            "Water, Sea Water, Nitrox");
  EXPECT_EQ(ActivityText(2048 | 2), "Club Dive, Photo Dive");
}

// Each bit on its own, so that a bit read at the wrong place shows in its column.
TEST(FieldDecoders, SampleFlagsAndStatusColumns) {
  const std::pair<int, const char*> flags[] = {
      {0, ", txok,    ,    ,   ,    ,     "},  {1, ", txok,    ,    ,   ,    , deco"},
      {2, ", txok,    ,    ,   , rbt,     "},  {4, ", txok,    ,    , up,    ,     "},
      {8, ", txok,    , sos,   ,    ,     "},  {16, ", txok, ess,    ,   ,    ,     "},
      {32, ", notx,    ,    ,   ,    ,     "}, {63, ", notx, ess, sos, up, rbt, deco"}};
  for (const auto& [value, text] : flags) EXPECT_EQ(SampleFlagsText(value), text) << value;
  const std::pair<int, const char*> status[] = {
      {0, ", 0, noair,     ,          "},   {128, ", 1, noair,     ,          "},
      {16, ", 0, air=1,     ,          "},  {32, ", 0, air=2,     ,          "},
      {64, ", 0, air=4,     ,          "},  {112, ", 0, air=7,     ,          "},
      {8, ", 0, noair, cold,          "},   {1, ", 0, noair,     , bubbles=1"},
      {2, ", 0, noair,     , bubbles=2"},   {4, ", 0, noair,     , bubbles=4"},
      {201, ", 1, air=4, cold, bubbles=1"}, {255, ", 1, air=7, cold, bubbles=7"}};
  for (const auto& [value, text] : status) EXPECT_EQ(SampleStatusText(value), text) << value;
}

TEST(FieldDecoders, TimesBitsDatesAndWordsAtTheirEdges) {
  EXPECT_EQ(SampleTimeText(0), "00'20\"");
  EXPECT_EQ(SampleTimeText(2), "01'00\"");
  EXPECT_EQ(SampleTimeText(299), "100'00\"");
  EXPECT_EQ(BitsText(5, 8), "00000101");
  EXPECT_EQ(BitsText(-1, 4), "1111");
  EXPECT_EQ(BitsText(1024 + 3, 10), "0000000011");  // bits above the count are dropped
  EXPECT_EQ(WordFromChars(std::string("\xFF\xFF", 2)), -1);
  EXPECT_EQ(WordFromChars(std::string("\x00\x80", 2)), 32768);
  EXPECT_EQ(WordFromChars(std::string("\x07", 1)), 7);  // a short string never reads past its end
  EXPECT_EQ(LongDateText("29/02/2000"), "Tue 29 February 2000");
  EXPECT_EQ(LongDateText("29/02/1900"), "29/02/1900");  // no such day: shown as stored
  EXPECT_EQ(LongDateText(""), "");
}

}  // namespace
}  // namespace scrb
