#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/AnalysisCache.h"
#include "logbook/DiveRecord.h"
#include "report/Units.h"

namespace scrb {

// What the statistics table groups the dives by.
enum class StatisticsGrouping { Year, Month, Site, Location, Partner, Trip };

// "year", "month", "site", "location", "partner" or "trip", in any letter case.
std::optional<StatisticsGrouping> GroupingNamed(std::string_view name);
// The heading of the table's first column: "Year", "Month", "Site", ...
std::string GroupingTitle(StatisticsGrouping grouping);

// A date "dd/mm/yyyy" as yyyymmdd, 0 when it is no calendar date.
int DateKeyOf(std::string_view date);
// yyyymmdd as "yyyy-mm-dd".
std::string IsoDate(int dateKey);
// yyyymmdd as "dd/mm/yyyy", as the logbook writes it.
std::string LogbookDate(int dateKey);
// A duration "hh:mm" in minutes; nothing for "Unknown" or anything else that is not one.
std::optional<int> DurationMinutes(std::string_view text);
// The names of a partners field: split at commas, trimmed, empty ones and repeats left out.
std::vector<std::string> PartnerNames(std::string_view partners);

// One dive's figures; each is missing where the dive computer recorded nothing or the analysis
// found no value, and that dive is then left out of that figure only.
struct DiveFigures {
  int Index = -1;
  int Number = 0;
  int Date = 0;                            // yyyymmdd, 0 for an unreadable date
  std::optional<double> MaxDepth;          // metres, as logged
  std::optional<int> DiveMinutes;          // the logbook's dive time
  std::optional<double> WaterTemperature;  // °C
  std::optional<double> BreathRate;        // base breath rate, l/min, where there is an estimate
  std::optional<double> OverSaturation;    // %, under the model the summary was made for
  int Tissue = 0;                          // of the highest over-saturation, counted from 1
  std::string Location;
  std::string Site;
  std::vector<std::string> Partners;
  std::string Trip;
};

DiveFigures FiguresOf(int index, const DiveRecord& dive,
                      const std::optional<AnalysisSummary>& summary, std::string trip = {});

// The dive that holds a record of the set, and the record.
struct DiveExtreme {
  int Index = -1;
  int Number = 0;
  double Value = 0;
  int Tissue = 0;  // the highest over-saturation's, from 1
};

struct StatisticsGroup {
  std::string Key;
  std::vector<int> Dives;  // list indices, in logbook order
  std::optional<int> DiveMinutes;
  std::optional<double> MaxDepth;
  std::optional<double> MeanMaxDepth;
  std::optional<double> MinWaterTemperature;
  std::optional<double> MeanBreathRate;
  std::optional<double> MaxOverSaturation;
};

struct TextCount {
  std::string Text;
  int Dives = 0;
};

struct LogbookStatistics {
  StatisticsGrouping GroupedBy = StatisticsGrouping::Year;
  int Dives = 0;
  std::optional<int> DiveMinutes;
  int FirstDate = 0;  // yyyymmdd, 0 when no dive has a readable date
  int LastDate = 0;
  std::optional<double> MeanMaxDepth;
  std::optional<double> MeanDiveMinutes;
  std::optional<double> MeanBreathRate;
  int BreathRateDives = 0;  // the dives with an estimate
  std::optional<DiveExtreme> Deepest;
  std::optional<DiveExtreme> Longest;
  std::optional<DiveExtreme> Coldest;
  std::optional<DiveExtreme> HighestOverSaturation;
  std::vector<TextCount> TopSites;  // five at the most, most dives first
  std::vector<TextCount> TopPartners;
  std::vector<StatisticsGroup> Groups;
  std::vector<DiveFigures> Figures;  // every dive counted, in logbook order
  // The units of every depth, temperature and breath rate above; SumUp gives metric ones.
  UnitSystem Units = UnitSystem::Metric;

  // The figures of a dive counted, by its list index; null for any other.
  const DiveFigures* FiguresAt(int index) const;
};

// Sums up the dives whose figures are given, in whatever order: records go to the first dive in
// logbook order on a tie, and a dive counted twice counts once.
LogbookStatistics SumUp(std::vector<DiveFigures> figures, StatisticsGrouping grouping);

// The same statistics with every depth, temperature and breath rate in `units`, for the texts
// and charts to show; the statistics given must be metric, as SumUp makes them.
LogbookStatistics InUnits(LogbookStatistics stats, UnitSystem units);

// Each dive's trip label, by list index, for grouping by trip.
std::vector<std::string> TripLabels(const std::vector<DiveRecord>& dives);

// The statistics of the given dives of `dives`, the cache's logbook, under the settings in
// force, summed up from one pass of SummariseDives; dives outside the list are left out. Nothing
// when the pass returns nothing (`progress` said stop, or the analysis changed meanwhile).
std::optional<LogbookStatistics> StatisticsOf(AnalysisCache& analysis,
                                              const std::vector<DiveRecord>& dives,
                                              const std::vector<int>& indices,
                                              StatisticsGrouping grouping,
                                              const SummaryProgress& progress);

}  // namespace scrb
