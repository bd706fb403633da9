#include "air/PhysReadout.h"

#include <cmath>

#include "air/AirReadout.h"
#include "air/PhysCharts.h"
#include "charts/SampleTimeAxis.h"
#include "logbook/SampleAccess.h"
#include "logbook/Translation.h"
#include "report/FieldDecoders.h"
#include "report/NumberFormat.h"

namespace scrb {

namespace {

int StatusOfMinute(const DecodedProfile& profile, int k) {
  return EntryOr0(profile.SampleStatus, MinuteEnd(k));
}

// The cold line's height at sample k: each sample of a cold minute adds a third, as drawn.
// Counted in thirds, so that whole minutes come out whole.
std::string ColdMinutesText(const DecodedProfile& profile, int k) {
  int thirds = 0;
  for (int j = 0; j <= k; ++j) {
    if ((StatusOfMinute(profile, j) & kColdBit) != 0) ++thirds;
  }
  if (thirds % kSamplesPerMinute == 0) return GeneralNumber(thirds / kSamplesPerMinute);
  return FormatPattern(thirds / static_cast<double>(kSamplesPerMinute), "0.0");
}

}  // namespace

std::optional<PhysReadout> ReadPhysData(const DecodedProfile& profile, float x) {
  if (profile.SampleCount <= 0) return std::nullopt;
  if (!(x >= 0 && x <= LastSampleTime(profile.SampleCount))) return std::nullopt;
  const int k = AirReadoutSample(x);
  const int status = StatusOfMinute(profile, k);
  const std::string time = SampleTimeText(k);
  PhysReadout readout;
  readout.Sample = k;
  readout.ColdText = FillIn(Tr("Readouts", "Time=%1 Cold=%2"), {time, ColdMinutesText(profile, k)});
  readout.BubbleText =
      FillIn(Tr("Readouts", "Time=%1 Bubbles=%2"), {time, GeneralNumber(status & kBubbleMask)});
  readout.ConsumptionText = FillIn(Tr("Readouts", "Time=%1 Air=%2"),
                                   {time, GeneralNumber((status & kAirLevelMask) / kAirLevelUnit)});
  return readout;
}

}  // namespace scrb
