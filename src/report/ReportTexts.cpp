#include "report/ReportTexts.h"

#include <algorithm>
#include <cmath>

#include "logbook/ProfileDecoder.h"
#include "logbook/Translation.h"
#include "report/DateFormat.h"
#include "report/FieldDecoders.h"
#include "report/NumberFormat.h"
#include "report/Units.h"

namespace scrb {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr size_t kFooterBytes = 12;

double DepthToTenths(double depth) {
  return std::floor(depth * 10 + 0.5) / 10;
}

}  // namespace

DiveSummary SummaryTexts(const DiveRecord& dive, UnitSystem units) {
  DiveSummary summary;
  summary.Heading = FillIn(Tr("General", "Dive Number: %1"), {GeneralNumber(dive.DiveNumber)});
  const auto add = [&summary](std::string caption, std::string value) {
    summary.Lines.push_back({std::move(caption), " " + value});
  };
  // Times the computer did not record read "Unknown" in the file's own texts.
  const auto minutes = [](const std::string& text) {
    return text == kUnknownText ? UnknownText() : text;
  };
  add(Tr("General", "Date:"), LongDateText(dive.DiveDate));
  add(Tr("General", "Time:"), minutes(dive.DiveTime));
  add(Tr("General", "Location:"), dive.Location);
  add(Tr("General", "Site:"), dive.Site);
  add(Tr("General", "Altitude:"), AltitudeText(dive.AltitudeClass));
  add(Tr("General", "Surface Interval:"), minutes(dive.SurfaceInterval));
  add(Tr("General", "Weather:"), WeatherText(dive.Weather));
  add(Tr("General", "Air Temperature:"),
      FieldWithUnit(Quantity::Temperature, dive.AirTemperature, units));
  add(Tr("General", "Min. Temperature:"),
      FieldWithUnit(Quantity::Temperature, dive.WaterTemperature, units));
  add(Tr("General", "Dive Suit:"), SuitText(dive.Suit));
  add(Tr("General", "Air Tank size:"), FormatWithUnit(dive.TankCapacity, "l"));
  add(Tr("General", "Air consumption:"),
      FieldWithUnit(Quantity::Pressure, dive.AirConsumption, units));
  add(Tr("General", "Maximum Depth:"), FieldWithUnit(Quantity::Depth, dive.MaxDepth, units));
  add(Tr("General", "Dive Time:"), minutes(dive.DivingTime));
  add(Tr("General", "Dive Type:"), DiveTypeText(dive.DiveType));
  add(Tr("General", "Alarms:"), AlarmText(dive.Alarms) + " (" + BitsText(dive.Alarms, 6) + ")");
  add(Tr("General", "Activities:"), ActivityText(dive.DiveActivity) + " " + dive.OtherActivities);
  add(Tr("General", "Partners:"), dive.Partners);
  add(Tr("General", "Comment:"), dive.Comment);
  return summary;
}

namespace {

// A row of the byte table for the pair at `offset`, or for the lone byte there, whose Data 1
// cells stay blank so that the columns keep their places.
std::string ByteTableRow(std::string_view bytes, size_t offset, bool pair) {
  const int b0 = ByteAt(bytes, offset);
  const int b1 = pair ? ByteAt(bytes, offset + 1) : 0;
  const int32_t word = WordFromChars(std::string{static_cast<char>(b0), static_cast<char>(b1)});
  std::string row(12, ' ');
  row += FormatPattern(static_cast<double>(offset), "00");
  row += "   - " + BitsText(b0, 8) + " " + (pair ? BitsText(b1, 8) : std::string(8, ' '));
  row += " - " + FormatPattern(b0, "000") + " " +
         (pair ? FormatPattern(b1, "000") : std::string(3, ' '));
  row += " - " + GeneralNumber(word);
  row += kLineEnd;
  return row;
}

}  // namespace

std::string BytePairRow(std::string_view bytes, size_t offset) {
  return ByteTableRow(bytes, offset, true);
}

std::string DetailsText(const DiveRecord& dive) {
  std::string text;
  const auto line = [&text](std::string content) {
    text += content;
    text += kLineEnd;
  };
  line("Dive Number: " + GeneralNumber(dive.DiveNumber));
  line("    Dive Date: " + dive.DiveDate + ", Dive Time: " + dive.DiveTime +
       ", TimeZone: " + BitsText(ByteAt(dive.TimeZone, 0), 8));
  line("    Location: " + dive.Location + " - Site: " + dive.Site);
  line("    Altitude: " + AltitudeText(dive.AltitudeClass) + " (" +
       GeneralNumber(dive.AltitudeClass) + ")");
  line("    SurfaceInterval : " + dive.SurfaceInterval);
  line("    Weather: " + WeatherText(dive.Weather) + " (" + GeneralNumber(dive.Weather) + ")");
  line("    Air Temperature : " + FormatWithUnit(dive.AirTemperature, "C"));
  line("    Water Temperature : " + FormatWithUnit(dive.WaterTemperature, "C"));
  line("    Suit: " + SuitText(dive.Suit) + " (" + GeneralNumber(dive.Suit) + ")");
  line("    Tank capacity: " + FormatWithUnit(dive.TankCapacity, "l"));
  line("    Air Consumption : " + FormatWithUnit(dive.AirConsumption, "bar"));
  line("    Maximum Depth: " + FormatWithUnit(dive.MaxDepth, "m"));
  line("    Diving Time: " + dive.DivingTime);
  line("    Dive Type: " + DiveTypeText(dive.DiveType) + " (" + BitsText(dive.DiveType, 10) + ")");
  line("    Alarms: " + AlarmText(dive.Alarms) + " (" + BitsText(dive.Alarms, 6) + ")");
  line("    Dive Activity: " + ActivityText(dive.DiveActivity) + " (" +
       BitsText(dive.DiveActivity, 12) + ")");
  line("    OtherActivities: " + dive.OtherActivities);
  line("    Partner(s): " + dive.Partners);
  line("    Comment: " + dive.Comment);
  line("    Dive Header: " + BitsText(ByteAt(dive.DiveHeader, 0), 8) + " " +
       BitsText(ByteAt(dive.DiveHeader, 1), 8));
  line("    Footer: Offset Data 0   Data 1   - Decimal - Integer");
  for (size_t offset = 0; offset < kFooterBytes; offset += 2)
    text += BytePairRow(dive.DiveFooter, offset);
  line("    Size of Dive Data: " + GeneralNumber(dive.ProfileLength));
  line("");
  return text;
}

std::string RawDumpText(const DiveRecord& dive, const DecodedProfile& profile) {
  if (profile.SampleCount <= 0) return {};
  std::string text;
  text += "Dive Number: " + GeneralNumber(dive.DiveNumber);
  text += kLineEnd;
  text += "    Header: Offset Data 0   Data 1   - Decimal - Integer";
  text += kLineEnd;
  // The header runs up to where the dive computer's layout puts the first sample.
  const auto headerBytes = static_cast<size_t>(ProfileLayoutOf(dive).SampleStart);
  for (size_t offset = 0; offset < headerBytes; offset += 2) {
    text += ByteTableRow(dive.ProfileData, offset, offset + 1 < headerBytes);
  }

  // The arrays may be shorter than SampleCount claims only in a record built by hand; never
  // read past them.
  const size_t samples = std::min({static_cast<size_t>(profile.SampleCount),
                                   profile.SampleDepth.size(), profile.SampleFlags.size()});
  for (size_t i = 0; i < samples; ++i) {
    text += "    ";
    text += FormatPattern(static_cast<double>(i + 1), "0000");
    text += " , " + SampleTimeText(static_cast<int32_t>(i));
    text += " , " + FormatPattern(DepthToTenths(profile.SampleDepth[i]), "00.0");
    text += " " + SampleFlagsText(profile.SampleFlags[i]);
    if (i < profile.SampleStatus.size() && profile.SampleStatus[i] != -1)
      text += SampleStatusText(profile.SampleStatus[i]);
    text += kLineEnd;
  }
  return text;
}

}  // namespace scrb
