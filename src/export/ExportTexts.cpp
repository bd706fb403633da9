#include "export/ExportTexts.h"

#include <algorithm>
#include <cmath>

#include "logbook/ProfileDecoder.h"
#include "logbook/SampleAccess.h"
#include "report/FieldDecoders.h"
#include "report/NumberFormat.h"

namespace scrb {

namespace {

constexpr std::string_view kTab = "\t";
constexpr std::string_view kLineEnd = "\r\n";

// The air columns show the minute that ended last: the sample that closes it, never before the
// first sample nor past the last.
int LastCompletedMinuteSample(int sample, int sampleCount) {
  const int j = (sample + 1) / kSamplesPerMinute * kSamplesPerMinute - 1;
  return std::clamp(j, 0, sampleCount - 1);
}

}  // namespace

std::string AllDivesText(const Logbook& book) {
  std::string text =
      "Dive No\tDate\tTime\tDepth\tDuration\tLocation\tSite\tAir Consumption\tWater "
      "Temperature\tTank Size";
  text += kLineEnd;
  for (const DiveRecord& dive : book.Dives) {
    for (const std::string& field :
         {GeneralNumber(dive.DiveNumber), dive.DiveDate, dive.DiveTime,
          FormatOrUnknown(dive.MaxDepth), dive.DivingTime, dive.Location, dive.Site,
          FormatOrUnknown(dive.AirConsumption), FormatOrUnknown(dive.WaterTemperature)}) {
      text += field;
      text += kTab;
    }
    text += FormatOrUnknown(dive.TankCapacity);
    text += kLineEnd;
  }
  return text;
}

std::string DiveProfileText(const AnalysedDive& analysed, const DecoModel& model) {
  const int tissues = std::max(model.TissueCount, 0);
  std::string text = "Point No\tTime\tDepth\tAir Consumption\tTank Air";
  for (int k = 1; k <= tissues; ++k) text += "\tTissue " + GeneralNumber(k);
  text += kLineEnd;

  const DecodedProfile& profile = *analysed.Profile;
  if (profile.SampleCount <= 0) {
    text += "No Data available";
    text += kLineEnd;
    return text;
  }

  const AirEstimate& air = *analysed.Air;
  const SaturationResult& saturation = *analysed.Saturation;
  const bool haveAir = air.BaseBreathRate != 0;
  const bool haveTissues = tissues > 0 && SaturationFits(profile, saturation, model);

  const int samples =
      std::min<int>(profile.SampleCount, static_cast<int>(profile.SampleDepth.size()));
  for (int i = 0; i < samples; ++i) {
    text += GeneralNumber(i + 1);
    text += kTab;
    text += SampleTimeText(i);
    text += kTab;
    text += FormatPattern(std::floor(profile.SampleDepth[static_cast<size_t>(i)] * 10 + 0.5) / 10,
                          "00.0");
    if (haveAir) {
      const int j = LastCompletedMinuteSample(i, profile.SampleCount);
      text += kTab;
      text += FormatPattern(EntryOr0(air.SampleBreathRate, j), "0.0");
      text += kTab;
      text += FormatPattern(EntryOr0(air.SampleTankPressure, j), "0.0");
    } else {
      text += "\tNo Data\tNo Data";
    }
    for (int t = 0; t < tissues; ++t) {
      text += kTab;
      if (haveTissues)
        text +=
            FormatPattern(EntryOr0(saturation.TissuePressure[static_cast<size_t>(t)], i), "0.00");
    }
    text += kLineEnd;
  }
  return text;
}

}  // namespace scrb
