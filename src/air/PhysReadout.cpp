#include "air/PhysReadout.h"

#include <cmath>

#include "air/AirReadout.h"
#include "air/PhysCharts.h"
#include "logbook/SampleAccess.h"
#include "report/FieldDecoders.h"
#include "report/NumberFormat.h"

namespace scrb {

namespace {

int StatusOfMinute(const DiveRecord& dive, int k) {
  return EntryOr0(dive.SampleStatus, MinuteEnd(k));
}

// The cold line's height at sample k: each sample of a cold minute adds a third, as drawn.
// Counted in thirds, so that whole minutes come out whole.
std::string ColdMinutesText(const DiveRecord& dive, int k) {
  int thirds = 0;
  for (int j = 0; j <= k; ++j) {
    if ((StatusOfMinute(dive, j) & kColdBit) != 0) ++thirds;
  }
  if (thirds % 3 == 0) return GeneralNumber(thirds / 3);
  return FormatPattern(thirds / 3.0, "0.0");
}

}  // namespace

std::optional<PhysReadout> ReadPhysData(const DiveRecord& dive, float x) {
  if (dive.SampleCount <= 0) return std::nullopt;
  if (!(x >= 0 && x <= AirReadoutLimit(dive.SampleCount))) return std::nullopt;
  const int k = AirReadoutSample(x);
  const int status = StatusOfMinute(dive, k);
  const std::string time = "Time=" + SampleTimeText(k);
  PhysReadout readout;
  readout.Sample = k;
  readout.ColdText = time + " Cold=" + ColdMinutesText(dive, k);
  readout.BubbleText = time + " Bubbles=" + GeneralNumber(status & kBubbleMask);
  readout.ConsumptionText = time + " Air=" + GeneralNumber((status & kAirLevelMask) / 16);
  return readout;
}

}  // namespace scrb
