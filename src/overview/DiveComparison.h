#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "analysis/AnalysisCache.h"
#include "report/Units.h"

namespace scrb {

// How many dives a comparison takes: fewer says nothing, more leaves no colour or line readable.
inline constexpr int kFewestComparedDives = 2;
inline constexpr int kMostComparedDives = 6;

// One dive of a comparison: its figures, each missing where the logbook or the analysis has no
// value, and what its charts draw.
struct ComparedDive {
  int Index = -1;
  int Number = 0;
  int Date = 0;  // yyyymmdd, 0 for an unreadable date
  std::string Site;
  std::optional<double> MaxDepth;           // metres, as logged
  std::optional<int> DiveMinutes;           // the logbook's dive time
  std::optional<double> WaterTemperature;   // °C
  std::optional<double> BreathRate;         // base breath rate, l/min
  std::optional<double> MaxOverSaturation;  // % of allowed, under the model in force
  std::optional<int> Tissue;                // of the highest over-saturation, from 1
  std::optional<int> SurfaceInterval;       // minutes before the dive, as logged
  bool Carried = false;                     // the tissues started from those of the dive before
  int CarriedFrom = -1;                     // that dive's index

  AnalysedDive Analysed;
  // The highest over-saturation among the tissues at each step of the saturation (step 0 the
  // start, step s at the end of sample s - 1), in hundredths of a percent; empty without one.
  std::vector<double> HighestOverSaturation;

  int32_t SampleCount() const { return Analysed.Profile ? Analysed.Profile->SampleCount : 0; }
  bool HasSamples() const { return SampleCount() > 0; }
};

struct DiveComparison {
  std::vector<ComparedDive> Dives;  // in the order asked for
  DecoModel Model;

  // The samples of the longest dive: the shared time axis runs that long.
  int32_t LongestSampleCount() const;
  // The dives the charts leave out for want of samples.
  std::vector<const ComparedDive*> WithoutSamples() const;
};

// Why these list indices cannot be compared in a logbook of `diveCount` dives; nothing when they
// can.
std::optional<std::string> ComparisonProblem(const std::vector<int>& indices, int diveCount);

// The dives at the given list indices, analysed under the settings in force; an index outside
// the logbook is left out.
DiveComparison CompareDives(AnalysisCache& analysis, const std::vector<int>& indices);

// The highest over-saturation among the tissues at each step, as the over-saturation chart draws
// each tissue; empty when the result does not fit the model or the profile.
std::vector<double> HighestOverSaturation(const DecodedProfile& profile,
                                          const SaturationResult& saturation,
                                          const DecoModel& model);

// "12, 17/10/1998, Blue Hole": how the legend and the notes name a dive.
std::string ComparedDiveName(const ComparedDive& dive);

// The table of figures: a row a figure, a column a dive, "-" where there is no value; the
// first column holds the figures' names.
std::vector<std::vector<std::string>> ComparisonTable(const DiveComparison& comparison,
                                                      UnitSystem units);

// The note naming the dives left out of the charts; empty when every dive has samples.
std::string LeftOutNote(const DiveComparison& comparison);

// The table as the command line prints it: tab-separated text, or a JSON array of one object a
// dive at full precision with null for what is missing, its keys named for the units.
std::string ComparisonText(const DiveComparison& comparison, UnitSystem units);
std::string ComparisonJson(const DiveComparison& comparison, UnitSystem units);

}  // namespace scrb
