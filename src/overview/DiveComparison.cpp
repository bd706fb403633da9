#include "overview/DiveComparison.h"

#include <algorithm>
#include <set>

#include "logbook/DiveDates.h"
#include "logbook/Translation.h"
#include "overview/Statistics.h"
#include "overview/StatisticsTexts.h"
#include "report/NumberFormat.h"
#include "saturation/SaturationCharts.h"

namespace scrb {

namespace {

constexpr char kNoValue[] = "-";

std::string Figure(const std::optional<double>& value, Quantity quantity, UnitSystem units,
                   const char* metricPattern) {
  if (!value) return kNoValue;
  return FormatIn(quantity, *value, units, metricPattern) + " " +
         std::string(UnitText(quantity, units));
}

std::string OverSaturationCell(const ComparedDive& d) {
  if (!d.MaxOverSaturation) return kNoValue;
  return FillIn(Tr("Compare", "%1 % on tissue %2"),
                {FormatPattern(*d.MaxOverSaturation, "0.0"), std::to_string(*d.Tissue)});
}

std::string CarriedCell(const ComparedDive& d, const DiveComparison& comparison) {
  if (!d.Carried) return Tr("Compare", "No");
  for (const ComparedDive& other : comparison.Dives) {
    if (other.Index == d.CarriedFrom && other.Analysed.Record != nullptr) {
      return FillIn(Tr("Compare", "Yes, from dive %1"), {std::to_string(other.Number)});
    }
  }
  return Tr("Compare", "Yes");
}

// A number in the units of the key it goes under, or null.
std::string JsonIn(const std::optional<double>& value, Quantity quantity, UnitSystem units) {
  return value ? JsonNumber(ToUnits(quantity, *value, units)) : "null";
}

std::string JsonInt(const std::optional<int>& value) {
  return value ? std::to_string(*value) : "null";
}

std::string DiveJson(const ComparedDive& d, UnitSystem units) {
  const bool metric = units == UnitSystem::Metric;
  return "{\"index\": " + std::to_string(d.Index) + ", \"number\": " + std::to_string(d.Number) +
         ", \"date\": " + (d.Date == 0 ? "null" : JsonString(IsoDate(d.Date))) +
         ", \"site\": " + JsonString(d.Site) + ", \"" + (metric ? "max_depth_m" : "max_depth_ft") +
         "\": " + JsonIn(d.MaxDepth, Quantity::Depth, units) +
         ", \"dive_minutes\": " + JsonInt(d.DiveMinutes) + ", \"" +
         (metric ? "water_c" : "water_f") +
         "\": " + JsonIn(d.WaterTemperature, Quantity::Temperature, units) + ", \"" +
         (metric ? "breath_rate_lpm" : "breath_rate_cuftpm") +
         "\": " + JsonIn(d.BreathRate, Quantity::BreathRate, units) +
         ", \"max_oversaturation_pct\": " +
         (d.MaxOverSaturation ? JsonNumber(*d.MaxOverSaturation) : "null") +
         ", \"tissue\": " + JsonInt(d.Tissue) +
         ", \"surface_interval_min\": " + JsonInt(d.SurfaceInterval) +
         ", \"carried\": " + (d.Carried ? "true" : "false") + "}";
}

}  // namespace

int32_t DiveComparison::LongestSampleCount() const {
  int32_t longest = 0;
  for (const ComparedDive& d : Dives) longest = std::max(longest, d.SampleCount());
  return longest;
}

std::vector<const ComparedDive*> DiveComparison::WithoutSamples() const {
  std::vector<const ComparedDive*> left;
  for (const ComparedDive& d : Dives) {
    if (!d.HasSamples()) left.push_back(&d);
  }
  return left;
}

std::optional<std::string> ComparisonProblem(const std::vector<int>& indices, int diveCount) {
  const auto count = static_cast<int>(indices.size());
  if (count < kFewestComparedDives) return "a comparison takes at least two dives";
  if (count > kMostComparedDives) return "a comparison takes at most six dives";
  std::set<int> seen;
  for (const int index : indices) {
    if (index < 0 || index >= diveCount) {
      return "dive " + std::to_string(index) + " is not in the logbook (its dives are 0 to " +
             std::to_string(diveCount - 1) + ")";
    }
    if (!seen.insert(index).second) {
      return "dive " + std::to_string(index) + " is named twice";
    }
  }
  return std::nullopt;
}

std::vector<double> HighestOverSaturation(const DecodedProfile& profile,
                                          const SaturationResult& saturation,
                                          const DecoModel& model) {
  std::vector<double> highest;
  // Without a model loaded there are no tissues to judge.
  if (profile.SampleCount <= 0 || model.TissueCount <= 0 ||
      !SaturationFits(profile, saturation, model))
    return highest;
  const size_t steps = saturation.TissuePressure[0].size();
  highest.reserve(steps);
  for (size_t s = 0; s < steps; ++s) {
    double top = OverSaturationPoint(profile, saturation, model, 0, s);
    for (size_t t = 1; t < static_cast<size_t>(model.TissueCount); ++t) {
      top = std::max(top, OverSaturationPoint(profile, saturation, model, t, s));
    }
    highest.push_back(top);
  }
  return highest;
}

DiveComparison CompareDives(AnalysisCache& analysis, const std::vector<int>& indices) {
  DiveComparison comparison;
  comparison.Model = analysis.Model();
  for (const int index : indices) {
    AnalysedDive analysed = analysis.Analysed(index);
    if (analysed.Record == nullptr) continue;
    const DiveRecord& record = *analysed.Record;
    const DiveFigures figures = FiguresOf(index, record, analysis.Summary(index));
    ComparedDive d;
    d.Index = index;
    d.Number = figures.Number;
    d.Date = figures.Date;
    d.Site = figures.Site;
    d.MaxDepth = figures.MaxDepth;
    d.DiveMinutes = figures.DiveMinutes;
    d.WaterTemperature = figures.WaterTemperature;
    d.BreathRate = figures.BreathRate;
    d.MaxOverSaturation = figures.OverSaturation;
    if (figures.OverSaturation) d.Tissue = figures.Tissue;
    d.SurfaceInterval = ClockMinutes(record.SurfaceInterval);
    d.Carried = analysed.Start.Kind == CarryOver::Carried;
    d.CarriedFrom = d.Carried ? analysed.Start.From : -1;
    if (analysed.Profile && analysed.Saturation) {
      d.HighestOverSaturation =
          HighestOverSaturation(*analysed.Profile, *analysed.Saturation, comparison.Model);
    }
    d.Analysed = std::move(analysed);
    comparison.Dives.push_back(std::move(d));
  }
  return comparison;
}

std::string ComparedDiveName(const ComparedDive& dive) {
  std::string name = std::to_string(dive.Number);
  if (dive.Date != 0) name += ", " + LogbookDate(dive.Date);
  if (!dive.Site.empty()) name += ", " + dive.Site;
  return name;
}

std::vector<std::vector<std::string>> ComparisonTable(const DiveComparison& comparison,
                                                      UnitSystem units) {
  std::vector<std::vector<std::string>> rows = {{Tr("Compare", "Dive number")},
                                                {Tr("Compare", "Date")},
                                                {Tr("Compare", "Site")},
                                                {Tr("Compare", "Maximum depth")},
                                                {Tr("Compare", "Dive time")},
                                                {Tr("Compare", "Water temperature")},
                                                {Tr("Compare", "Base breath rate")},
                                                {Tr("Compare", "Highest over-saturation")},
                                                {Tr("Compare", "Surface interval before")},
                                                {Tr("Compare", "Nitrogen carried over")}};
  for (const ComparedDive& d : comparison.Dives) {
    rows[0].push_back(std::to_string(d.Number));
    rows[1].push_back(d.Date == 0 ? kNoValue : LogbookDate(d.Date));
    rows[2].push_back(d.Site.empty() ? kNoValue : d.Site);
    rows[3].push_back(Figure(d.MaxDepth, Quantity::Depth, units, "0.0"));
    rows[4].push_back(d.DiveMinutes
                          ? FillIn(Tr("Compare", "%1 min"), {std::to_string(*d.DiveMinutes)})
                          : kNoValue);
    rows[5].push_back(Figure(d.WaterTemperature, Quantity::Temperature, units, "0"));
    rows[6].push_back(Figure(d.BreathRate, Quantity::BreathRate, units, "0.0"));
    rows[7].push_back(OverSaturationCell(d));
    rows[8].push_back(d.SurfaceInterval ? HoursAndMinutes(*d.SurfaceInterval) : kNoValue);
    rows[9].push_back(CarriedCell(d, comparison));
  }
  return rows;
}

std::string LeftOutNote(const DiveComparison& comparison) {
  std::string names;
  for (const ComparedDive* d : comparison.WithoutSamples()) {
    names += (names.empty() ? "" : "; ") + ComparedDiveName(*d);
  }
  if (names.empty()) return {};
  return FillIn(Tr("Compare", "Left out of the charts, for want of a profile: %1"), {names});
}

std::string ComparisonText(const DiveComparison& comparison, UnitSystem units) {
  std::string text;
  for (const std::vector<std::string>& row : ComparisonTable(comparison, units)) {
    for (size_t c = 0; c < row.size(); ++c) text += (c == 0 ? "" : "\t") + row[c];
    text += "\n";
  }
  return text;
}

std::string ComparisonJson(const DiveComparison& comparison, UnitSystem units) {
  std::string json = "[";
  for (size_t n = 0; n < comparison.Dives.size(); ++n) {
    json += (n == 0 ? "" : ",\n ") + DiveJson(comparison.Dives[n], units);
  }
  return json + "]\n";
}

}  // namespace scrb
