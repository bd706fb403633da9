#include "overview/StatisticsTexts.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "logbook/Translation.h"
#include "report/NumberFormat.h"
#include "report/Units.h"

namespace scrb {

std::string JsonNumber(double value) {
  if (!std::isfinite(value)) return "null";
  char text[32];
  const auto [end, error] = std::to_chars(text, text + sizeof text, value);
  return error == std::errc() ? std::string(text, end) : "null";
}

std::string JsonString(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

// The statistics' own overloads stand beside the plain one, so that a call inside the unnamed
// namespace below finds all three.
static std::string JsonNumber(const std::optional<double>& value) {
  return value ? JsonNumber(*value) : "null";
}

static std::string JsonNumber(const std::optional<int>& value) {
  return value ? std::to_string(*value) : "null";
}

namespace {

constexpr char kNoValue[] = "-";

std::string OneDecimal(const std::optional<double>& value, const std::string& unit) {
  return value ? FormatPattern(*value, "0.0") + unit : kNoValue;
}

// A figure already in the statistics' units, rounded as that unit's figures are; `metricUnit` is
// the text metric has always shown.
std::string Figure(const std::optional<double>& value, Quantity quantity, UnitSystem units,
                   const std::string& metricUnit) {
  if (units == UnitSystem::Metric) return OneDecimal(value, metricUnit);
  if (!value) return kNoValue;
  const int decimals = UnitDecimals(quantity, units, 1);
  return FormatPattern(*value, decimals == 0 ? "0" : "0." + std::string(decimals, '0')) + " " +
         std::string(UnitText(quantity, units));
}

// The figure alone, for the grouped table's cells.
std::string Cell(const std::optional<double>& value, Quantity quantity, UnitSystem units) {
  if (units == UnitSystem::Metric || !value) return OneDecimal(value, "");
  std::string text = Figure(value, quantity, units, "");
  return text.substr(0, text.find(' '));
}

// A JSON key's unit: the metric one as the keys have always read, or the imperial one.
std::string Key(std::string metricKey, std::string_view metricSuffix, std::string_view imperial,
                UnitSystem units) {
  if (units == UnitSystem::Metric) return metricKey;
  return metricKey.substr(0, metricKey.size() - metricSuffix.size()) + std::string(imperial);
}

// "dive 123, 17/10/1998, Blue Hole"
std::string DiveNamed(const LogbookStatistics& stats, int index) {
  const DiveFigures* d = stats.FiguresAt(index);
  if (d == nullptr) return {};
  std::string text = FillIn(Tr("Statistics", "dive %1"), {std::to_string(d->Number)});
  if (d->Date != 0) text += ", " + LogbookDate(d->Date);
  if (!d->Site.empty()) text += ", " + d->Site;
  return text;
}

std::string Counts(const std::vector<TextCount>& counts) {
  std::string text;
  for (const TextCount& c : counts) {
    text += (text.empty() ? "" : ", ") + c.Text + " (" + std::to_string(c.Dives) + ")";
  }
  return text.empty() ? kNoValue : text;
}

std::string JsonDate(int dateKey) {
  return dateKey == 0 ? "null" : JsonString(IsoDate(dateKey));
}

std::string JsonExtreme(const std::optional<DiveExtreme>& extreme, const std::string& valueKey,
                        bool whole = false) {
  if (!extreme) return "null";
  std::string text =
      "{\"index\": " + std::to_string(extreme->Index) +
      ", \"number\": " + std::to_string(extreme->Number) + ", \"" + valueKey + "\": " +
      (whole ? std::to_string(static_cast<int>(extreme->Value)) : JsonNumber(extreme->Value));
  if (extreme->Tissue > 0) text += ", \"tissue\": " + std::to_string(extreme->Tissue);
  return text + "}";
}

std::string DepthKey(const char* key, UnitSystem units) {
  return Key(key, "_m", "_ft", units);
}
std::string WaterKey(const char* key, UnitSystem units) {
  return Key(key, "_c", "_f", units);
}
std::string BreathKey(const char* key, UnitSystem units) {
  return Key(key, "_lpm", "_cuftpm", units);
}

std::string JsonGroup(const StatisticsGroup& g, UnitSystem units) {
  return "{\"key\": " + JsonString(g.Key) + ", \"dives\": " + std::to_string(g.Dives.size()) +
         ", \"dive_minutes\": " + JsonNumber(g.DiveMinutes) + ", \"" +
         DepthKey("max_depth_m", units) + "\": " + JsonNumber(g.MaxDepth) + ", \"" +
         DepthKey("mean_max_depth_m", units) + "\": " + JsonNumber(g.MeanMaxDepth) + ", \"" +
         WaterKey("min_water_c", units) + "\": " + JsonNumber(g.MinWaterTemperature) + ", \"" +
         BreathKey("mean_breath_rate_lpm", units) + "\": " + JsonNumber(g.MeanBreathRate) +
         ", \"max_oversaturation_pct\": " + JsonNumber(g.MaxOverSaturation) + "}";
}

}  // namespace

std::string StatisticsTitle(int shown, int total, const std::string& search) {
  const std::string all = std::to_string(total);
  if (shown == total) {
    return FillIn(total == 1 ? Tr("Statistics", "%1 dive") : Tr("Statistics", "%1 dives"), {all});
  }
  const std::string of =
      FillIn(total == 1 ? Tr("Statistics", "%1 of %2 dive") : Tr("Statistics", "%1 of %2 dives"),
             {std::to_string(shown), all});
  return search.empty() ? of : FillIn(Tr("Statistics", "%1 (search: %2)"), {of, search});
}

std::string HoursAndMinutes(int minutes) {
  char text[32];
  std::snprintf(text, sizeof text, "%d:%02d", minutes / 60, minutes % 60);
  return text;
}

std::vector<SummaryRow> SummaryRows(const LogbookStatistics& s) {
  std::vector<SummaryRow> rows;
  const auto extreme = [&](const char* label, const std::optional<DiveExtreme>& e,
                           const std::string& value) {
    rows.push_back({Tr("Statistics", label), e ? value + ", " + DiveNamed(s, e->Index) : kNoValue,
                    e ? e->Index : -1});
  };
  rows.push_back({Tr("Statistics", "Dives"), std::to_string(s.Dives)});
  rows.push_back({Tr("Statistics", "Total dive time"),
                  s.DiveMinutes ? HoursAndMinutes(*s.DiveMinutes) + " h" : kNoValue});
  rows.push_back(
      {Tr("Statistics", "First dive"), s.FirstDate != 0 ? LogbookDate(s.FirstDate) : kNoValue});
  rows.push_back(
      {Tr("Statistics", "Last dive"), s.LastDate != 0 ? LogbookDate(s.LastDate) : kNoValue});
  const UnitSystem u = s.Units;
  const auto valueOf = [](const std::optional<DiveExtreme>& e) {
    return e ? std::optional<double>(e->Value) : std::nullopt;
  };
  extreme(SCRB_TRANSLATE_NOOP("Statistics", "Deepest dive"), s.Deepest,
          Figure(valueOf(s.Deepest), Quantity::Depth, u, " m"));
  extreme(SCRB_TRANSLATE_NOOP("Statistics", "Longest dive"), s.Longest,
          s.Longest ? FormatPattern(s.Longest->Value, "0") + " min" : "");
  extreme(SCRB_TRANSLATE_NOOP("Statistics", "Coldest dive"), s.Coldest,
          Figure(valueOf(s.Coldest), Quantity::Temperature, u,
                 " \xC2\xB0"
                 "C"));
  rows.push_back(
      {Tr("Statistics", "Mean maximum depth"), Figure(s.MeanMaxDepth, Quantity::Depth, u, " m")});
  rows.push_back({Tr("Statistics", "Mean dive time"), OneDecimal(s.MeanDiveMinutes, " min")});
  rows.push_back({Tr("Statistics", "Mean base breath rate"),
                  s.MeanBreathRate
                      ? FillIn(Tr("Statistics", "%1 (%2 dives)"),
                               {Figure(s.MeanBreathRate, Quantity::BreathRate, u, " l/min"),
                                std::to_string(s.BreathRateDives)})
                      : kNoValue});
  const auto& h = s.HighestOverSaturation;
  extreme(SCRB_TRANSLATE_NOOP("Statistics", "Highest over-saturation"), h,
          h ? FillIn(Tr("Statistics", "%1 %, tissue %2"),
                     {FormatPattern(h->Value, "0.0"), std::to_string(h->Tissue)})
            : "");
  rows.push_back({Tr("Statistics", "Most frequent sites"), Counts(s.TopSites)});
  rows.push_back({Tr("Statistics", "Most frequent partners"), Counts(s.TopPartners)});
  return rows;
}

std::vector<std::string> GroupColumnTitles(StatisticsGrouping grouping, UnitSystem units) {
  if (units == UnitSystem::Imperial) {
    return {GroupingTitle(grouping),
            Tr("Statistics", "Dives"),
            Tr("Statistics", "Dive time (h)"),
            Tr("Statistics", "Deepest (ft)"),
            Tr("Statistics", "Mean depth (ft)"),
            Tr("Statistics", "Coldest (°F)"),
            Tr("Statistics", "Breath rate (cu ft/min)"),
            Tr("Statistics", "Over-saturation (%)")};
  }
  return {GroupingTitle(grouping),
          Tr("Statistics", "Dives"),
          Tr("Statistics", "Dive time (h)"),
          Tr("Statistics", "Deepest (m)"),
          Tr("Statistics", "Mean depth (m)"),
          Tr("Statistics", "Coldest (°C)"),
          Tr("Statistics", "Breath rate (l/min)"),
          Tr("Statistics", "Over-saturation (%)")};
}

std::vector<std::string> GroupCells(const StatisticsGroup& g, UnitSystem units) {
  return {g.Key,
          std::to_string(g.Dives.size()),
          g.DiveMinutes ? HoursAndMinutes(*g.DiveMinutes) : kNoValue,
          Cell(g.MaxDepth, Quantity::Depth, units),
          Cell(g.MeanMaxDepth, Quantity::Depth, units),
          Cell(g.MinWaterTemperature, Quantity::Temperature, units),
          Cell(g.MeanBreathRate, Quantity::BreathRate, units),
          OneDecimal(g.MaxOverSaturation, "")};
}

std::string StatisticsText(const LogbookStatistics& stats) {
  std::string text;
  for (const SummaryRow& row : SummaryRows(stats)) text += row.Label + ": " + row.Value + "\n";
  text += "\n";
  const auto line = [&](const std::vector<std::string>& cells) {
    for (size_t n = 0; n < cells.size(); ++n) text += (n == 0 ? "" : "\t") + cells[n];
    text += "\n";
  };
  line(GroupColumnTitles(stats.GroupedBy, stats.Units));
  for (const StatisticsGroup& group : stats.Groups) line(GroupCells(group, stats.Units));
  return text;
}

std::string StatisticsJson(const LogbookStatistics& s) {
  std::string json =
      "{\"dives\": " + std::to_string(s.Dives) +
      ", \"dive_minutes\": " + JsonNumber(s.DiveMinutes) +
      ", \"first_date\": " + JsonDate(s.FirstDate) + ", \"last_date\": " + JsonDate(s.LastDate) +
      ", \"" + DepthKey("mean_max_depth_m", s.Units) + "\": " + JsonNumber(s.MeanMaxDepth) +
      ", \"mean_dive_minutes\": " + JsonNumber(s.MeanDiveMinutes) + ", \"" +
      BreathKey("mean_breath_rate_lpm", s.Units) + "\": " + JsonNumber(s.MeanBreathRate) +
      ", \"deepest\": " + JsonExtreme(s.Deepest, DepthKey("max_depth_m", s.Units)) +
      ", \"longest\": " + JsonExtreme(s.Longest, "dive_minutes", true) +
      ", \"coldest\": " + JsonExtreme(s.Coldest, WaterKey("water_c", s.Units)) +
      ", \"highest_oversaturation\": " + JsonExtreme(s.HighestOverSaturation, "percent") +
      ", \"groups\": [";
  for (size_t n = 0; n < s.Groups.size(); ++n) {
    json += (n == 0 ? "" : ", ") + JsonGroup(s.Groups[n], s.Units);
  }
  return json + "]}\n";
}

}  // namespace scrb
