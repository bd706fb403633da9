#include "report/FieldDecoders.h"

#include <array>

#include "logbook/MissingValues.h"
#include "logbook/SampleAccess.h"
#include "logbook/Translation.h"
#include "report/NumberFormat.h"

namespace scrb {

namespace {

struct BitName {
  int32_t Bit;
  std::string_view Text;
};

constexpr std::array<BitName, 4> kAlarmNames{{{1, SCRB_TRANSLATE_NOOP("Fields", "Ascent")},
                                              {8, SCRB_TRANSLATE_NOOP("Fields", "Decompression")},
                                              {16, SCRB_TRANSLATE_NOOP("Fields", "Work")},
                                              {32, SCRB_TRANSLATE_NOOP("Fields", "SOS")}}};

constexpr std::array<BitName, 7> kDiveTypeNames{
    {{4, SCRB_TRANSLATE_NOOP("Fields", "No Stop")},
     {8, SCRB_TRANSLATE_NOOP("Fields", "Decompression")},
     {16, SCRB_TRANSLATE_NOOP("Fields", "Single Ascent")},
     {32, SCRB_TRANSLATE_NOOP("Fields", "Multiple Ascent")},
     {64, SCRB_TRANSLATE_NOOP("Fields", "Fresh Water")},
     {128, SCRB_TRANSLATE_NOOP("Fields", "Sea Water")},
     {256, SCRB_TRANSLATE_NOOP("Fields", "Nitrox")}}};

constexpr std::array<BitName, 12> kActivityNames{
    {{1, SCRB_TRANSLATE_NOOP("Fields", "Exploration")},
     {2, SCRB_TRANSLATE_NOOP("Fields", "Club Dive")},
     {4, SCRB_TRANSLATE_NOOP("Fields", "Education")},
     {8, SCRB_TRANSLATE_NOOP("Fields", "Instruction")},
     {16, SCRB_TRANSLATE_NOOP("Fields", "Night Dive")},
     {32, SCRB_TRANSLATE_NOOP("Fields", "Cave Dive")},
     {64, SCRB_TRANSLATE_NOOP("Fields", "Ice Dive")},
     {128, SCRB_TRANSLATE_NOOP("Fields", "Search Dive")},
     {256, SCRB_TRANSLATE_NOOP("Fields", "Wreck Dive")},
     {512, SCRB_TRANSLATE_NOOP("Fields", "River Dive")},
     {1024, SCRB_TRANSLATE_NOOP("Fields", "Drift Dive")},
     {2048, SCRB_TRANSLATE_NOOP("Fields", "Photo Dive")}}};

// The names of the set bits, separated by ", ".
template <size_t N>
std::string BitList(int32_t bits, const std::array<BitName, N>& names) {
  std::string text;
  for (const BitName& name : names) {
    if (!(bits & name.Bit)) continue;
    if (!text.empty()) text += ", ";
    text += Tr("Fields", name.Text.data());
  }
  return text;
}

// Code 0 and every code outside the table read "Unknown".
std::string CodeText(int32_t code, const std::array<std::string_view, 7>& names) {
  if (code < 1 || code > 6) return UnknownText();
  return Tr("Fields", names[static_cast<size_t>(code)].data());
}

std::string_view Either(bool set, std::string_view named, std::string_view filler) {
  return set ? named : filler;
}

}  // namespace

std::string UnknownText() {
  return Tr("Fields", kUnknownText.data());
}

std::string FormatOrUnknown(double value) {
  return IsUnknownMeasurement(value) ? UnknownText() : GeneralNumber(value);
}

std::string FormatWithUnit(double value, std::string_view unit) {
  if (IsUnknownMeasurement(value)) return UnknownText();
  std::string text = GeneralNumber(value);
  text += ' ';
  text += unit;
  return text;
}

std::string AltitudeText(int32_t code) {
  switch (code) {
    case 0:
      return UnknownText();
    case 1:
      return Tr("Fields", "Lower than 1000 m");
    case 2:
      return Tr("Fields", "Between 900m and 1950m");
    case 3:
      return Tr("Fields", "Between 1700m and 2900m");
    case 4:
      return Tr("Fields", "Between 2700m and 4000m");
    default:
      return Tr("Fields", "Higher than 4000m");
  }
}

std::string WeatherText(int32_t code) {
  static constexpr std::array<std::string_view, 7> kNames{
      "",
      SCRB_TRANSLATE_NOOP("Fields", "Clear"),
      SCRB_TRANSLATE_NOOP("Fields", "Cloudy"),
      SCRB_TRANSLATE_NOOP("Fields", "Misty - Fog"),
      SCRB_TRANSLATE_NOOP("Fields", "Rain"),
      SCRB_TRANSLATE_NOOP("Fields", "Stormy"),
      SCRB_TRANSLATE_NOOP("Fields", "Snow")};
  return CodeText(code, kNames);
}

std::string SuitText(int32_t code) {
  static constexpr std::array<std::string_view, 7> kNames{
      "",
      SCRB_TRANSLATE_NOOP("Fields", "No suit"),
      SCRB_TRANSLATE_NOOP("Fields", "Shorty"),
      SCRB_TRANSLATE_NOOP("Fields", "One piece wetsuit"),
      SCRB_TRANSLATE_NOOP("Fields", "Two pieces wetsuit"),
      SCRB_TRANSLATE_NOOP("Fields", "Semi-dry"),
      SCRB_TRANSLATE_NOOP("Fields", "Dry suit")};
  return CodeText(code, kNames);
}

std::string AlarmText(int32_t bits) {
  std::string text = BitList(bits, kAlarmNames);
  return text.empty() ? Tr("Fields", "No Alarms") : text;
}

std::string DiveTypeText(int32_t bits) {
  return BitList(bits, kDiveTypeNames);
}

std::string ActivityText(int32_t bits) {
  return BitList(bits, kActivityNames);
}

std::string SampleFlagsText(int32_t flags) {
  std::string text;
  text += Either(flags & kNoTransmitterFlag, ", notx", ", txok");
  text += Either(flags & kAirFlag, ", ess", ",    ");
  text += Either(flags & kSosFlag, ", sos", ",    ");
  text += Either(flags & kAscentFlag, ", up", ",   ");
  text += Either(flags & kRbtFlag, ", rbt", ",    ");
  text += Either(flags & kDecoFlag, ", deco", ",     ");
  return text;
}

std::string SampleStatusText(int32_t status) {
  std::string text = ", " + GeneralNumber((status & kStatusTopBit) / kStatusTopBit);
  const int32_t air = status & kAirLevelMask;
  text += air != 0 ? ", air=" + FormatPattern(air / kAirLevelUnit, "#") : std::string(", noair");
  text += Either(status & kColdBit, ", cold", ",     ");
  const int32_t bubbles = status & kBubbleMask;
  text += bubbles != 0 ? ", bubbles=" + FormatPattern(bubbles, "#") : std::string(",          ");
  return text;
}

std::string SampleTimeText(int32_t sampleIndex) {
  const int64_t t = static_cast<int64_t>(sampleIndex) + 1;
  // Floor and a non-negative remainder, so that the text stays sane for any index.
  int64_t minutes = t / kSamplesPerMinute;
  int64_t rest = t % kSamplesPerMinute;
  if (rest < 0) {
    rest += kSamplesPerMinute;
    --minutes;
  }
  return FormatPattern(static_cast<double>(minutes), "00") + "'" +
         FormatPattern(static_cast<double>(rest * kSampleSeconds), "00") + "\"";
}

std::string BitsText(int64_t value, int count) {
  std::string text(count > 0 ? static_cast<size_t>(count) : 0, '0');
  int64_t v = value;
  for (int k = count - 1; k >= 0; --k) {
    if (v & 1) text[static_cast<size_t>(k)] = '1';
    v >>= 1;  // floor(v / 2), also for negative values
  }
  return text;
}

int32_t WordFromChars(std::string_view bytes) {
  const int32_t v = ByteAt(bytes, 1) * 256 + ByteAt(bytes, 0);
  return v > 32768 ? v - 65536 : v;
}

}  // namespace scrb
