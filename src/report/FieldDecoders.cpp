#include "report/FieldDecoders.h"

#include <array>

#include "logbook/MissingValues.h"
#include "report/NumberFormat.h"

namespace scrb {

namespace {

struct BitName {
  int32_t Bit;
  std::string_view Text;
};

constexpr std::array<BitName, 4> kAlarmNames{{
    {1, " Ascent,"}, {8, " Decompression,"}, {16, " Work,"}, {32, " SOS,"}}};

constexpr std::array<BitName, 7> kDiveTypeNames{{
    {4, " No Stop,"}, {8, " Decompression,"}, {16, " Single Ascent,"}, {32, " Multiple Ascent,"},
    {64, " Fresh Water,"}, {128, " Sea Water,"}, {256, " Nitrox,"}}};

constexpr std::array<BitName, 12> kActivityNames{{
    {1, " Exploration,"}, {2, " Club Dive,"}, {4, " Education,"}, {8, " Instruction,"},
    {16, " Night Dive,"}, {32, " Cave Dive,"}, {64, " Ice Dive,"}, {128, " Search Dive,"},
    {256, " Wreck Dive,"}, {512, " River Dive,"}, {1024, " Drift Dive,"}, {2048, " Photo Dive,"}}};

template <size_t N>
std::string BitList(int32_t bits, const std::array<BitName, N>& names) {
  std::string text;
  for (const BitName& name : names) {
    if (bits & name.Bit) text += name.Text;
  }
  if (!text.empty() && text.front() == ' ') text.erase(0, 1);
  if (!text.empty() && text.back() == ',') text.pop_back();
  return text;
}

// Code 0 and every code outside the table read "Unknown".
std::string CodeText(int32_t code, const std::array<std::string_view, 7>& names) {
  if (code < 1 || code > 6) return std::string(kUnknownText);
  return std::string(names[static_cast<size_t>(code)]);
}

std::string_view Either(bool set, std::string_view named, std::string_view filler) {
  return set ? named : filler;
}

}  // namespace

std::string FormatOrUnknown(double value) {
  return IsUnknownMeasurement(value) ? std::string(kUnknownText) : GeneralNumber(value);
}

std::string FormatWithUnit(double value, std::string_view unit) {
  if (IsUnknownMeasurement(value)) return std::string(kUnknownText);
  std::string text = GeneralNumber(value);
  text += ' ';
  text += unit;
  return text;
}

std::string AltitudeText(int32_t code) {
  switch (code) {
    case 0: return "Unknown";
    case 1: return "Lower than 1000 m";
    case 2: return "Between 900m and 1950m";
    case 3: return "Between 1700m and 2900m";
    case 4: return "Between 2700m and 4000m";
    default: return "Higher than 4000m";
  }
}

std::string WeatherText(int32_t code) {
  static constexpr std::array<std::string_view, 7> kNames{
      "", "Clear", "Cloudy", "Misty - Fog", "Rain", "Stormy", "Snow"};
  return CodeText(code, kNames);
}

std::string SuitText(int32_t code) {
  static constexpr std::array<std::string_view, 7> kNames{
      "", "No suit", "Shorty", "One piece wetsuit", "Two pieces wetsuit", "Semi-dry", "Dry suit"};
  return CodeText(code, kNames);
}

std::string AlarmText(int32_t bits) {
  std::string text = BitList(bits, kAlarmNames);
  return text.empty() ? "No Alarms" : text;
}

std::string DiveTypeText(int32_t bits) { return BitList(bits, kDiveTypeNames); }

std::string ActivityText(int32_t bits) { return BitList(bits, kActivityNames); }

std::string SampleFlagsText(int32_t flags) {
  std::string text;
  text += Either(flags & 32, ", notx", ", txok");
  text += Either(flags & 16, ", ess", ",    ");
  text += Either(flags & 8, ", sos", ",    ");
  text += Either(flags & 4, ", up", ",   ");
  text += Either(flags & 2, ", rbt", ",    ");
  text += Either(flags & 1, ", deco", ",     ");
  return text;
}

std::string SampleStatusText(int32_t status) {
  std::string text = ", " + GeneralNumber((status & 128) / 128);
  const int32_t air = status & 112;
  text += air != 0 ? ", air=" + FormatPattern(air / 16, "#") : std::string(", noair");
  text += Either(status & 8, ", cold", ",     ");
  const int32_t bubbles = status & 7;
  text += bubbles != 0 ? ", bubbles=" + FormatPattern(bubbles, "#") : std::string(",          ");
  return text;
}

std::string SampleTimeText(int32_t sampleIndex) {
  const int64_t t = static_cast<int64_t>(sampleIndex) + 1;
  // Floor and a non-negative remainder, so that the text stays sane for any index.
  int64_t minutes = t / 3;
  int64_t rest = t % 3;
  if (rest < 0) {
    rest += 3;
    --minutes;
  }
  return FormatPattern(static_cast<double>(minutes), "00") + "'" +
         FormatPattern(static_cast<double>(rest * 20), "00") + "\"";
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
