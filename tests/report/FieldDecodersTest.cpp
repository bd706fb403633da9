// Every table checked whole, as a diver reads it in the details and the raw dump.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "logbook/LogbookReader.h"
#include "logbook/MissingValues.h"
#include "report/DateFormat.h"
#include "report/FieldDecoders.h"
#include "report/NumberFormat.h"

namespace scrb {
namespace {

using Texts = std::vector<std::string>;

TEST(FieldDecoders, CodeTablesWhole) {
  const std::pair<int, Texts> rows[] = {
      {-1, {"Higher than 4000m", "Unknown", "Unknown"}},
      {0, {"Unknown", "Unknown", "Unknown"}},
      {1, {"Lower than 1000 m", "Clear", "No suit"}},
      {2, {"Between 900m and 1950m", "Cloudy", "Shorty"}},
      {3, {"Between 1700m and 2900m", "Misty - Fog", "One piece wetsuit"}},
      {4, {"Between 2700m and 4000m", "Rain", "Two pieces wetsuit"}},
      {5, {"Higher than 4000m", "Stormy", "Semi-dry"}},
      {6, {"Higher than 4000m", "Snow", "Dry suit"}},
      {7, {"Higher than 4000m", "Unknown", "Unknown"}}};
  for (const auto& [code, texts] : rows)
    EXPECT_EQ((Texts{AltitudeText(code), WeatherText(code), SuitText(code)}), texts) << code;
}

TEST(FieldDecoders, BitListsWhole) {
  const std::pair<int, Texts> rows[] = {{1, {"Ascent", "", "Exploration"}},
                                        {2, {"No Alarms", "", "Club Dive"}},
                                        {4, {"No Alarms", "No Stop", "Education"}},
                                        {8, {"Decompression", "Decompression", "Instruction"}},
                                        {16, {"Work", "Single Ascent", "Night Dive"}},
                                        {32, {"SOS", "Multiple Ascent", "Cave Dive"}},
                                        {64, {"No Alarms", "Fresh Water", "Ice Dive"}},
                                        {128, {"No Alarms", "Sea Water", "Search Dive"}},
                                        {256, {"No Alarms", "Nitrox", "Wreck Dive"}},
                                        {512, {"No Alarms", "", "River Dive"}},
                                        {1024, {"No Alarms", "", "Drift Dive"}},
                                        {2048, {"No Alarms", "", "Photo Dive"}},
                                        {4096, {"No Alarms", "", ""}}};
  for (const auto& [bit, texts] : rows)
    EXPECT_EQ((Texts{AlarmText(bit), DiveTypeText(bit), ActivityText(bit)}), texts) << bit;
  EXPECT_EQ((Texts{AlarmText(0xFFFF), DiveTypeText(-1), ActivityText(2048 | 2)}),
            (Texts{"Ascent, Decompression, Work, SOS",
                   "No Stop, Decompression, Single Ascent, Multiple Ascent, Fresh Water, Sea "
                   "Water, Nitrox",
                   "Club Dive, Photo Dive"}));
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

TEST(FieldDecoders, TimesBitsAndWordsAtTheirEdges) {
  EXPECT_EQ((Texts{SampleTimeText(0), SampleTimeText(2), SampleTimeText(299)}),
            (Texts{"00'20\"", "01'00\"", "100'00\""}));
  // Bits above the count are dropped.
  EXPECT_EQ((Texts{BitsText(5, 8), BitsText(-1, 4), BitsText(1024 + 3, 10)}),
            (Texts{"00000101", "1111", "0000000011"}));
  // A short string never reads past its end.
  EXPECT_EQ((std::vector{WordFromChars(std::string("\xFF\xFF", 2)),
                         WordFromChars(std::string("\x00\x80", 2)), WordFromChars("\x07")}),
            (std::vector<int32_t>{-1, 32768, 7}));
}

TEST(FieldDecoders, DatesFromTheirDayCountToTheGeneralPage) {
  // As the reader keeps them (empty where it rejects the count), then as the General page shows.
  const std::tuple<int32_t, std::string, std::string> cases[] = {
      {0, "01/01/1600", "Sat 1 January 1600"},
      {145656, "17/10/1998", "Sat 17 October 1998"},
      {146156, "29/02/2000", "Tue 29 February 2000"},
      {3068036, "31/12/9999", "Fri 31 December 9999"},
      {3068037, "", ""},
      {0xFFFFFF, "", ""}};
  for (const auto& [dayCount, stored, shown] : cases) {
    const char bytes[] = {static_cast<char>(dayCount & 0xFF),
                          static_cast<char>((dayCount >> 8) & 0xFF),
                          static_cast<char>((dayCount >> 16) & 0xFF)};
    ByteSource source(std::string_view(bytes, 3));
    const std::string read = source.ReadDate();
    EXPECT_EQ((Texts{read, LongDateText(read)}), (Texts{stored, shown})) << dayCount;
    EXPECT_EQ(source.DateOutOfRange(), stored.empty()) << dayCount;
  }
  // Text that is no calendar day is shown as stored.
  for (const char* text : {"29/02/1900", "31/04/2001", "00/01/2000", "01/13/2000", "1/1/2000"})
    EXPECT_EQ(LongDateText(text), text);
}

TEST(FieldDecoders, TheMissingValueMarkIsWhatPrintsAsIt) {
  // The charts test the number, the texts print it: both must agree on every neighbour.
  const double mark = kUnknownMeasurement;
  for (const double value :
       {mark, kMissingWord / 100.0, std::nextafter(mark, 0.0), std::nextafter(mark, 400.0),
        327.6699999999996, 327.6700000000004, 327.670000000001, 327.6700000001, 327.68, -mark, 0.0,
        std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
    EXPECT_EQ(IsUnknownMeasurement(value), GeneralNumber(value) == "327.67") << value;
    EXPECT_EQ(FormatOrUnknown(value) == "Unknown", GeneralNumber(value) == "327.67") << value;
  }
  EXPECT_TRUE(IsUnknownMeasurement(327.6700000000004));
  EXPECT_FALSE(IsUnknownMeasurement(327.670000000001));
  EXPECT_TRUE(IsUnknownMinutes(32767));
  EXPECT_FALSE(IsUnknownMinutes(-32767));
}

}  // namespace
}  // namespace scrb
