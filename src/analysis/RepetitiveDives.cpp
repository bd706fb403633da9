#include "analysis/RepetitiveDives.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "logbook/DiveDates.h"
#include "logbook/SampleAccess.h"
#include "logbook/Translation.h"
#include "saturation/Saturation.h"

namespace scrb {

namespace {

std::string IntervalText(int minutes) {
  const int m = minutes % 60;
  return std::to_string(minutes / 60) + (m < 10 ? ":0" : ":") + std::to_string(m);
}

}  // namespace

std::optional<int64_t> DiveStartMinute(const DiveRecord& dive) {
  const auto day = DayNumber(dive.DiveDate);
  const auto time = ClockMinutes(dive.DiveTime);
  if (!day || !time || *time >= 24 * 60) return std::nullopt;
  return static_cast<int64_t>(*day) * 24 * 60 + *time;
}

std::vector<int> DivesBefore(const std::vector<DiveRecord>& dives) {
  std::vector<std::optional<int64_t>> starts;
  starts.reserve(dives.size());
  for (const DiveRecord& dive : dives) starts.push_back(DiveStartMinute(dive));

  std::vector<int> order;
  for (size_t i = 0; i < dives.size(); ++i) {
    if (starts[i]) order.push_back(static_cast<int>(i));
  }
  std::ranges::stable_sort(order, {}, [&](int i) { return *starts[static_cast<size_t>(i)]; });

  std::vector<int> before(dives.size(), -1);
  // Walks the dives in time; `latest` is the last dive of the latest minute before the current.
  int latest = -1;
  for (size_t k = 0; k < order.size();) {
    size_t sameMinute = k;
    const int64_t minute = *starts[static_cast<size_t>(order[k])];
    for (; sameMinute < order.size() && *starts[static_cast<size_t>(order[sameMinute])] == minute;
         ++sameMinute) {
      before[static_cast<size_t>(order[sameMinute])] = latest;
    }
    latest = order[sameMinute - 1];
    k = sameMinute;
  }
  return before;
}

bool FitsSurfaceInterval(const DiveRecord& before, const DiveRecord& dive) {
  const auto beforeStart = DiveStartMinute(before);
  const auto duration = ClockMinutes(before.DivingTime);
  const auto start = DiveStartMinute(dive);
  const auto interval = ClockMinutes(dive.SurfaceInterval);
  if (!beforeStart || !duration || !start || !interval) return false;
  const int64_t gap = (*start - *interval) - (*beforeStart + *duration);
  return std::llabs(gap) <= kSurfaceIntervalSlackMinutes;
}

std::vector<double> OffGassed(const std::vector<double>& tissues, const DecoModel& model,
                              double surfacePressure, int minutes) {
  const double inspired = surfacePressure * kNitrogenFraction;
  std::vector<double> result(tissues.size());
  for (size_t t = 0; t < tissues.size() && t < model.TissueDecay.size(); ++t) {
    const double decay =
        std::pow(model.TissueDecay[t], static_cast<double>(kSamplesPerMinute) * minutes);
    result[t] = inspired + (tissues[t] - inspired) * decay;
  }
  return result;
}

RepetitiveStart FindCarryOver(const std::vector<DiveRecord>& dives,
                              const std::vector<int>& divesBefore, int dive) {
  RepetitiveStart start;
  const DiveRecord& record = dives[static_cast<size_t>(dive)];
  const auto interval = ClockMinutes(record.SurfaceInterval);
  if (!interval) return start;
  start.IntervalMinutes = *interval;
  if (!DiveStartMinute(record)) {
    start.Kind = CarryOver::UnknownStart;
    return start;
  }
  const int before = divesBefore[static_cast<size_t>(dive)];
  if (before < 0 || !FitsSurfaceInterval(dives[static_cast<size_t>(before)], record)) {
    start.Kind = CarryOver::NoDiveBefore;
    return start;
  }
  start.Kind = CarryOver::Carried;
  start.From = before;
  return start;
}

std::string CarryOverText(const RepetitiveStart& start, int32_t fromNumber) {
  switch (start.Kind) {
    case CarryOver::Carried:
      return FillIn(Tr("Tissues", "carried over %1 from dive %2"),
                    {IntervalText(start.IntervalMinutes), std::to_string(fromNumber)});
    case CarryOver::NoDiveBefore:
      return Tr("Tissues", "no dive before within the recorded interval");
    case CarryOver::UnknownStart:
      return Tr("Tissues", "not carried over: the dive's date or time is unknown");
    case CarryOver::NothingToCarry:
      return FillIn(Tr("Tissues", "nothing carried over: dive %1 before has no profile"),
                    {std::to_string(fromNumber)});
    case CarryOver::NotRepetitive:
      break;
  }
  return {};
}

}  // namespace scrb
