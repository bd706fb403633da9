#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "logbook/DiveDates.h"
#include "logbook/DiveRecord.h"
#include "saturation/DecoModel.h"

namespace scrb {

// A dive's recorded surface interval may end no more than this far from where the dive before it
// ended, in minutes: the clocks of the diver and of the dive computer rarely agree to the minute.
constexpr int kSurfaceIntervalSlackMinutes = 60;

// When the dive started, in minutes since 1 January 1970; nothing when its date or its time of
// day is unknown or no valid date and time.
std::optional<int64_t> DiveStartMinute(const DiveRecord& dive);

// For each dive, the index of the latest dive that started before it (of several that started in
// the same minute, the last in the list); -1 when there is none or either start is unknown.
std::vector<int> DivesBefore(const std::vector<DiveRecord>& dives);

// True when `before` ended (start plus its diving time) within the slack of the moment the
// surface interval recorded for `dive` began. Unknown times never fit.
bool FitsSurfaceInterval(const DiveRecord& before, const DiveRecord& dive);

// Each tissue after `minutes` at the surface: a step per sample period, breathing air at
// the given surface pressure.
std::vector<double> OffGassed(const std::vector<double>& tissues, const DecoModel& model,
                              double surfacePressure, int minutes);

// Where a dive's tissues start when nitrogen is carried over between dives.
enum class CarryOver {
  NotRepetitive,   // no surface interval recorded: the computer judged the diver clear
  Carried,         // from the end of the dive before, off-gassed over the interval
  NoDiveBefore,    // no dive before fits the recorded interval
  UnknownStart,    // the dive's own date or time is unknown, so no dive is known to be before it
  NothingToCarry,  // the dive before has no profile and so no tissues to carry over
};

struct RepetitiveStart {
  CarryOver Kind = CarryOver::NotRepetitive;
  int From = -1;                // index of the dive carried over from, when Carried
  int IntervalMinutes = -1;     // the recorded surface interval; -1 when unknown
  std::vector<double> Tissues;  // each tissue's start, bar of nitrogen; empty: at equilibrium
};

// The dive before `dive` (given by DivesBefore) and whether it fits, without any tissue.
RepetitiveStart FindCarryOver(const std::vector<DiveRecord>& dives,
                              const std::vector<int>& divesBefore, int dive);

// The line the tissue page shows under its charts; empty when there is nothing to say.
// `fromNumber` is the dive number of the dive carried over from.
std::string CarryOverText(const RepetitiveStart& start, int32_t fromNumber);

}  // namespace scrb
