#include "air/PhysReadout.h"

#include <cmath>

#include "air/AirReadout.h"
#include "air/PhysCharts.h"
#include "charts/SampleTimeAxis.h"
#include "logbook/SampleAccess.h"
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
  if (thirds % 3 == 0) return GeneralNumber(thirds / 3);
  return FormatPattern(thirds / 3.0, "0.0");
}

}  // namespace

std::optional<PhysReadout> ReadPhysData(const DecodedProfile& profile, float x) {
  if (profile.SampleCount <= 0) return std::nullopt;
  if (!(x >= 0 && x <= LastSampleTime(profile.SampleCount))) return std::nullopt;
  const int k = AirReadoutSample(x);
  const int status = StatusOfMinute(profile, k);
  const std::string time = "Time=" + SampleTimeText(k);
  PhysReadout readout;
  readout.Sample = k;
  readout.ColdText = time + " Cold=" + ColdMinutesText(profile, k);
  readout.BubbleText = time + " Bubbles=" + GeneralNumber(status & kBubbleMask);
  readout.ConsumptionText = time + " Air=" + GeneralNumber((status & kAirLevelMask) / 16);
  return readout;
}

}  // namespace scrb
