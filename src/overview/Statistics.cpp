#include "overview/Statistics.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <utility>

#include "logbook/MissingValues.h"
#include "logbook/Translation.h"
#include "overview/Trips.h"

namespace scrb {

namespace {

constexpr size_t kTopTexts = 5;

bool ParseDigits(std::string_view text, int& value) {
  if (text.empty() || !std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; }))
    return false;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return true;
}

std::optional<double> Measured(double value) {
  if (IsUnknownMeasurement(value) || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::string Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

// Running figures of a set of dives; every figure skips the dives that lack it.
struct Tally {
  int Dives = 0;
  std::optional<int> Minutes;
  double DepthSum = 0;
  int DepthCount = 0;
  double MinutesSum = 0;
  int MinutesCount = 0;
  double BreathSum = 0;
  int BreathCount = 0;
  std::optional<DiveExtreme> Deepest, Longest, Coldest, Highest;

  // Dives arrive in logbook order, so a strict comparison leaves a tie to the first.
  void Add(const DiveFigures& d) {
    ++Dives;
    if (d.MaxDepth) {
      DepthSum += *d.MaxDepth;
      ++DepthCount;
      if (!Deepest || *d.MaxDepth > Deepest->Value)
        Deepest = DiveExtreme{d.Index, d.Number, *d.MaxDepth};
    }
    if (d.DiveMinutes) {
      Minutes = Minutes.value_or(0) + *d.DiveMinutes;
      MinutesSum += *d.DiveMinutes;
      ++MinutesCount;
      if (!Longest || *d.DiveMinutes > Longest->Value)
        Longest = DiveExtreme{d.Index, d.Number, static_cast<double>(*d.DiveMinutes)};
    }
    if (d.WaterTemperature && (!Coldest || *d.WaterTemperature < Coldest->Value)) {
      Coldest = DiveExtreme{d.Index, d.Number, *d.WaterTemperature};
    }
    if (d.BreathRate) {
      BreathSum += *d.BreathRate;
      ++BreathCount;
    }
    if (d.OverSaturation && (!Highest || *d.OverSaturation > Highest->Value)) {
      Highest = DiveExtreme{d.Index, d.Number, *d.OverSaturation, d.Tissue};
    }
  }

  static std::optional<double> Mean(double sum, int count) {
    if (count == 0) return std::nullopt;
    return sum / count;
  }
  std::optional<double> MeanDepth() const { return Mean(DepthSum, DepthCount); }
  std::optional<double> MeanMinutes() const { return Mean(MinutesSum, MinutesCount); }
  std::optional<double> MeanBreath() const { return Mean(BreathSum, BreathCount); }
};

std::vector<std::string> GroupKeys(const DiveFigures& d, StatisticsGrouping grouping) {
  const std::string date = std::to_string(d.Date);
  switch (grouping) {
    case StatisticsGrouping::Year:
      if (d.Date == 0) return {};
      return {date.substr(0, date.size() - 4)};
    case StatisticsGrouping::Month:
      if (d.Date == 0) return {};
      return {date.substr(date.size() - 4, 2)};
    case StatisticsGrouping::Site:
      return d.Site.empty() ? std::vector<std::string>{} : std::vector{d.Site};
    case StatisticsGrouping::Location:
      return d.Location.empty() ? std::vector<std::string>{} : std::vector{d.Location};
    case StatisticsGrouping::Partner:
      return d.Partners;
    case StatisticsGrouping::Trip:
      return d.Trip.empty() ? std::vector<std::string>{} : std::vector{d.Trip};
  }
  return {};
}

bool GroupedByText(StatisticsGrouping grouping) {
  return grouping != StatisticsGrouping::Year && grouping != StatisticsGrouping::Month;
}

// Most dives first, then by the text.
template <typename T, typename Count, typename Key>
void SortByCount(std::vector<T>& items, Count count, Key key) {
  std::ranges::sort(items, [&](const T& a, const T& b) {
    if (count(a) != count(b)) return count(a) > count(b);
    return key(a) < key(b);
  });
}

std::vector<TextCount> TopTexts(const std::vector<DiveFigures>& figures, StatisticsGrouping by) {
  std::map<std::string, int> counts;
  for (const DiveFigures& d : figures) {
    for (const std::string& key : GroupKeys(d, by)) ++counts[key];
  }
  std::vector<TextCount> top;
  for (const auto& [text, dives] : counts) top.push_back({text, dives});
  SortByCount(
      top, [](const TextCount& t) { return t.Dives; }, [](const TextCount& t) { return t.Text; });
  if (top.size() > kTopTexts) top.resize(kTopTexts);
  return top;
}

std::vector<StatisticsGroup> Groups(const std::vector<DiveFigures>& figures,
                                    StatisticsGrouping grouping) {
  std::map<std::string, std::pair<StatisticsGroup, Tally>> byKey;
  for (const DiveFigures& d : figures) {
    for (const std::string& key : GroupKeys(d, grouping)) {
      auto& [group, tally] = byKey[key];
      group.Key = key;
      group.Dives.push_back(d.Index);
      tally.Add(d);
    }
  }
  std::vector<StatisticsGroup> groups;
  for (auto& [key, entry] : byKey) {
    auto& [group, tally] = entry;
    group.DiveMinutes = tally.Minutes;
    if (tally.Deepest) group.MaxDepth = tally.Deepest->Value;
    group.MeanMaxDepth = tally.MeanDepth();
    if (tally.Coldest) group.MinWaterTemperature = tally.Coldest->Value;
    group.MeanBreathRate = tally.MeanBreath();
    if (tally.Highest) group.MaxOverSaturation = tally.Highest->Value;
    groups.push_back(std::move(group));
  }
  // The map has put years and months in ascending order already.
  if (GroupedByText(grouping)) {
    SortByCount(
        groups, [](const StatisticsGroup& g) { return g.Dives.size(); },
        [](const StatisticsGroup& g) { return g.Key; });
  }
  return groups;
}

}  // namespace

std::optional<StatisticsGrouping> GroupingNamed(std::string_view name) {
  std::string lower(name);
  std::ranges::transform(lower, lower.begin(),
                         [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  static const std::map<std::string, StatisticsGrouping, std::less<>> names = {
      {"year", StatisticsGrouping::Year},       {"month", StatisticsGrouping::Month},
      {"site", StatisticsGrouping::Site},       {"location", StatisticsGrouping::Location},
      {"partner", StatisticsGrouping::Partner}, {"trip", StatisticsGrouping::Trip}};
  const auto found = names.find(lower);
  if (found == names.end()) return std::nullopt;
  return found->second;
}

std::string GroupingTitle(StatisticsGrouping grouping) {
  switch (grouping) {
    case StatisticsGrouping::Year:
      return Tr("Statistics", "Year");
    case StatisticsGrouping::Month:
      return Tr("Statistics", "Month");
    case StatisticsGrouping::Site:
      return Tr("Statistics", "Site");
    case StatisticsGrouping::Location:
      return Tr("Statistics", "Location");
    case StatisticsGrouping::Partner:
      return Tr("Statistics", "Partner");
    case StatisticsGrouping::Trip:
      return Tr("Statistics", "Trip");
  }
  return {};
}

int DateKeyOf(std::string_view date) {
  int day = 0, month = 0, year = 0;
  if (date.size() != 10 || date[2] != '/' || date[5] != '/' ||
      !ParseDigits(date.substr(0, 2), day) || !ParseDigits(date.substr(3, 2), month) ||
      !ParseDigits(date.substr(6, 4), year)) {
    return 0;
  }
  const std::chrono::year_month_day ymd{std::chrono::year(year),
                                        std::chrono::month(static_cast<unsigned>(month)),
                                        std::chrono::day(static_cast<unsigned>(day))};
  if (!ymd.ok() || year == 0) return 0;
  return year * 10000 + month * 100 + day;
}

std::string IsoDate(int dateKey) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", dateKey / 10000, dateKey / 100 % 100,
                dateKey % 100);
  return text;
}

std::string LogbookDate(int dateKey) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d", dateKey % 100, dateKey / 100 % 100,
                dateKey / 10000);
  return text;
}

std::optional<int> DurationMinutes(std::string_view text) {
  const size_t colon = text.find(':');
  int hours = 0, minutes = 0;
  if (colon == std::string_view::npos || !ParseDigits(text.substr(0, colon), hours) ||
      !ParseDigits(text.substr(colon + 1), minutes) || colon > 5 || minutes >= 60) {
    return std::nullopt;
  }
  return hours * 60 + minutes;
}

std::vector<std::string> PartnerNames(std::string_view partners) {
  std::vector<std::string> names;
  while (true) {
    const size_t comma = partners.find(',');
    std::string name = Trimmed(partners.substr(0, comma));
    if (!name.empty() && std::ranges::find(names, name) == names.end()) names.push_back(name);
    if (comma == std::string_view::npos) break;
    partners.remove_prefix(comma + 1);
  }
  return names;
}

DiveFigures FiguresOf(int index, const DiveRecord& dive,
                      const std::optional<AnalysisSummary>& summary, std::string trip) {
  DiveFigures d;
  d.Index = index;
  d.Number = dive.DiveNumber;
  d.Date = DateKeyOf(dive.DiveDate);
  d.MaxDepth = Measured(dive.MaxDepth);
  d.DiveMinutes = DurationMinutes(dive.DivingTime);
  d.WaterTemperature = Measured(dive.WaterTemperature);
  if (summary && summary->BaseBreathRate > 0) d.BreathRate = summary->BaseBreathRate;
  if (summary && summary->HasSaturation) {
    d.OverSaturation = summary->MaxOverSaturation;
    d.Tissue = summary->MaxOverSaturationTissue + 1;
  }
  d.Location = Trimmed(dive.Location);
  d.Site = Trimmed(dive.Site);
  d.Partners = PartnerNames(dive.Partners);
  d.Trip = std::move(trip);
  return d;
}

const DiveFigures* LogbookStatistics::FiguresAt(int index) const {
  const auto found = std::ranges::lower_bound(Figures, index, {}, &DiveFigures::Index);
  return found != Figures.end() && found->Index == index ? &*found : nullptr;
}

LogbookStatistics SumUp(std::vector<DiveFigures> figures, StatisticsGrouping grouping) {
  std::ranges::stable_sort(figures, {}, &DiveFigures::Index);
  const auto [first, last] = std::ranges::unique(figures, {}, &DiveFigures::Index);
  figures.erase(first, last);

  LogbookStatistics stats;
  stats.GroupedBy = grouping;
  Tally all;
  for (const DiveFigures& d : figures) {
    all.Add(d);
    if (d.Date == 0) continue;
    if (stats.FirstDate == 0 || d.Date < stats.FirstDate) stats.FirstDate = d.Date;
    stats.LastDate = std::max(stats.LastDate, d.Date);
  }
  stats.Dives = all.Dives;
  stats.DiveMinutes = all.Minutes;
  stats.MeanMaxDepth = all.MeanDepth();
  stats.MeanDiveMinutes = all.MeanMinutes();
  stats.MeanBreathRate = all.MeanBreath();
  stats.BreathRateDives = all.BreathCount;
  stats.Deepest = all.Deepest;
  stats.Longest = all.Longest;
  stats.Coldest = all.Coldest;
  stats.HighestOverSaturation = all.Highest;
  stats.TopSites = TopTexts(figures, StatisticsGrouping::Site);
  stats.TopPartners = TopTexts(figures, StatisticsGrouping::Partner);
  stats.Groups = Groups(figures, grouping);
  stats.Figures = std::move(figures);
  return stats;
}

std::vector<std::string> TripLabels(const std::vector<DiveRecord>& dives) {
  std::vector<std::string> labels(dives.size());
  for (const Trip& trip : FindTrips(dives)) {
    for (const int dive : trip.Dives) labels.at(static_cast<size_t>(dive)) = trip.Label;
  }
  return labels;
}

std::optional<LogbookStatistics> StatisticsOf(AnalysisCache& analysis,
                                              const std::vector<DiveRecord>& dives,
                                              const std::vector<int>& indices,
                                              StatisticsGrouping grouping,
                                              const SummaryProgress& progress) {
  std::vector<int> counted;
  counted.reserve(indices.size());
  for (const int index : indices) {
    if (index >= 0 && static_cast<size_t>(index) < dives.size()) counted.push_back(index);
  }
  const std::optional<std::vector<AnalysisSummary>> summaries =
      SummariseDives(analysis, counted, progress);
  if (!summaries) return std::nullopt;
  const std::vector<std::string> trips =
      grouping == StatisticsGrouping::Trip ? TripLabels(dives) : std::vector<std::string>{};
  std::vector<DiveFigures> figures;
  figures.reserve(counted.size());
  for (size_t n = 0; n < counted.size(); ++n) {
    const auto at = static_cast<size_t>(counted[n]);
    figures.push_back(FiguresOf(counted[n], dives[at], (*summaries)[n],
                                at < trips.size() ? trips[at] : std::string()));
  }
  return SumUp(std::move(figures), grouping);
}

LogbookStatistics InUnits(LogbookStatistics stats, UnitSystem units) {
  if (stats.Units == units) return stats;
  const auto convert = [units](Quantity quantity, std::optional<double>& value) {
    if (value) value = ToUnits(quantity, *value, units);
  };
  const auto convertExtreme = [units](Quantity quantity, std::optional<DiveExtreme>& extreme) {
    if (extreme) extreme->Value = ToUnits(quantity, extreme->Value, units);
  };
  convert(Quantity::Depth, stats.MeanMaxDepth);
  convert(Quantity::BreathRate, stats.MeanBreathRate);
  convertExtreme(Quantity::Depth, stats.Deepest);
  convertExtreme(Quantity::Temperature, stats.Coldest);
  for (StatisticsGroup& group : stats.Groups) {
    convert(Quantity::Depth, group.MaxDepth);
    convert(Quantity::Depth, group.MeanMaxDepth);
    convert(Quantity::Temperature, group.MinWaterTemperature);
    convert(Quantity::BreathRate, group.MeanBreathRate);
  }
  for (DiveFigures& figures : stats.Figures) {
    convert(Quantity::Depth, figures.MaxDepth);
    convert(Quantity::Temperature, figures.WaterTemperature);
    convert(Quantity::BreathRate, figures.BreathRate);
  }
  stats.Units = units;
  return stats;
}

}  // namespace scrb
