// The usual codes, the missing-value mark and the word wrap show in the report and export text
// tests.

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

TEST(FieldDecoders, CodesBitsTimesAndWordsAtTheirEdges) {
  // Code 0 and codes outside the tables; weather and suit share one lookup.
  EXPECT_EQ(AltitudeText(-1), "Higher than 4000m");
  EXPECT_EQ(WeatherText(0), "Unknown");
  EXPECT_EQ(SuitText(-1), "Unknown");
  EXPECT_EQ(AlarmText(6), "No Alarms");
  EXPECT_EQ(DiveTypeText(3), "");
  EXPECT_EQ(ActivityText(2048 | 2), "Club Dive, Photo Dive");
  EXPECT_EQ(BitsText(1024 + 3, 10), "0000000011");  // bits above the count are dropped
  EXPECT_EQ(SampleTimeText(299), "100'00\"");
  EXPECT_EQ(WordFromChars(std::string("\x07", 1)), 7);  // a short string never reads past its end
}

TEST(FieldDecoders, DatesFromTheirDayCountToTheGeneralPage) {
  struct Case {
    int32_t DayCount;
    std::string Stored;  // as the reader keeps it; empty where it rejects the count
    std::string Shown;
  };
  for (const Case& c : {Case{0, "01/01/1600", "Sat 1 January 1600"},
                        Case{145656, "17/10/1998", "Sat 17 October 1998"},
                        Case{146156, "29/02/2000", "Tue 29 February 2000"},
                        Case{3068036, "31/12/9999", "Fri 31 December 9999"}, Case{3068037, "", ""},
                        Case{0xFFFFFF, "", ""}}) {
    const char bytes[] = {static_cast<char>(c.DayCount & 0xFF),
                          static_cast<char>((c.DayCount >> 8) & 0xFF),
                          static_cast<char>((c.DayCount >> 16) & 0xFF)};
    ByteSource source(std::string_view(bytes, 3));
    const std::string stored = source.ReadDate();
    EXPECT_EQ(stored, c.Stored) << c.DayCount;
    EXPECT_EQ(source.DateOutOfRange(), c.Stored.empty()) << c.DayCount;
    EXPECT_EQ(LongDateText(stored), c.Shown) << c.DayCount;
  }
  // Text that is no calendar day is shown as stored.
  for (const char* text : {"29/02/1900", "31/04/2001", "00/01/2000", "01/13/2000", "1/1/2000"}) {
    EXPECT_EQ(LongDateText(text), text);
  }
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
