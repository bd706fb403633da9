#include "analysis/RepetitiveDives.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>

#include "logbook/DiveDates.h"
#include "logbook/ProfileDecoder.h"
#include "logbook/Translation.h"
#include "saturation/Saturation.h"

namespace scrb {

namespace {

std::string IntervalText(int minutes) {
  const int m = minutes % 60;
  return std::to_string(minutes / 60) + (m < 10 ? ":0" : ":") + std::to_string(m);
}

// The last step of the dive's saturation when it starts from `start`; empty without a profile.
std::vector<double> EndTissues(const DiveRecord& dive, const DecoModel& model,
                               double surfacePressure, const std::vector<double>& start) {
  const SaturationResult result =
      ComputeSaturation(DecodeProfile(dive), surfacePressure, model, {}, start);
  std::vector<double> end;
  // The unused last row holds no tissue.
  for (size_t t = 0; t + 1 < result.TissuePressure.size(); ++t) {
    end.push_back(result.TissuePressure[t].back());
  }
  return end;
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
    const double decay = std::pow(model.TissueDecay[t], 3.0 * minutes);
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

std::vector<RepetitiveStart> ChainDives(const std::vector<DiveRecord>& dives,
                                        const DecoModel& model,
                                        const SurfacePressureOf& surfacePressure) {
  const std::vector<int> before = DivesBefore(dives);
  std::vector<RepetitiveStart> starts(dives.size());
  std::vector<bool> done(dives.size(), false);
  // A dive's start needs the start of the dive before it, which started earlier: following the
  // links back from each dive and filling them forward keeps every dive's work to once.
  std::vector<int> pending;
  for (size_t i = 0; i < dives.size(); ++i) {
    for (int d = static_cast<int>(i); d >= 0 && !done[static_cast<size_t>(d)];) {
      pending.push_back(d);
      starts[static_cast<size_t>(d)] = FindCarryOver(dives, before, d);
      d = starts[static_cast<size_t>(d)].From;
    }
    for (; !pending.empty(); pending.pop_back()) {
      const auto d = static_cast<size_t>(pending.back());
      RepetitiveStart& start = starts[d];
      done[d] = true;
      if (start.Kind != CarryOver::Carried) continue;
      const auto from = static_cast<size_t>(start.From);
      const std::vector<double> end =
          EndTissues(dives[from], model, surfacePressure(start.From), starts[from].Tissues);
      if (end.empty()) {
        start.Kind = CarryOver::NothingToCarry;
        continue;
      }
      start.Tissues =
          OffGassed(end, model, surfacePressure(static_cast<int>(d)), start.IntervalMinutes);
    }
  }
  return starts;
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
