#include "overview/StatisticsTexts.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "logbook/Translation.h"
#include "report/NumberFormat.h"

namespace scrb {

namespace {

constexpr char kNoValue[] = "-";

std::string OneDecimal(const std::optional<double>& value, const std::string& unit) {
  return value ? FormatPattern(*value, "0.0") + unit : kNoValue;
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

// Shortest text that reads back as the same double.
std::string JsonNumber(double value) {
  if (!std::isfinite(value)) return "null";
  char text[32];
  const auto [end, error] = std::to_chars(text, text + sizeof text, value);
  return error == std::errc() ? std::string(text, end) : "null";
}

std::string JsonNumber(const std::optional<double>& value) {
  return value ? JsonNumber(*value) : "null";
}

std::string JsonNumber(const std::optional<int>& value) {
  return value ? std::to_string(*value) : "null";
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

std::string JsonGroup(const StatisticsGroup& g) {
  return "{\"key\": " + JsonString(g.Key) + ", \"dives\": " + std::to_string(g.Dives.size()) +
         ", \"dive_minutes\": " + JsonNumber(g.DiveMinutes) +
         ", \"max_depth_m\": " + JsonNumber(g.MaxDepth) +
         ", \"mean_max_depth_m\": " + JsonNumber(g.MeanMaxDepth) +
         ", \"min_water_c\": " + JsonNumber(g.MinWaterTemperature) +
         ", \"mean_breath_rate_lpm\": " + JsonNumber(g.MeanBreathRate) +
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
  extreme(SCRB_TRANSLATE_NOOP("Statistics", "Deepest dive"), s.Deepest,
          s.Deepest ? FormatPattern(s.Deepest->Value, "0.0") + " m" : "");
  extreme(SCRB_TRANSLATE_NOOP("Statistics", "Longest dive"), s.Longest,
          s.Longest ? FormatPattern(s.Longest->Value, "0") + " min" : "");
  extreme(SCRB_TRANSLATE_NOOP("Statistics", "Coldest dive"), s.Coldest,
          s.Coldest ? FormatPattern(s.Coldest->Value, "0.0") +
                          " \xC2\xB0"
                          "C"
                    : "");
  rows.push_back({Tr("Statistics", "Mean maximum depth"), OneDecimal(s.MeanMaxDepth, " m")});
  rows.push_back({Tr("Statistics", "Mean dive time"), OneDecimal(s.MeanDiveMinutes, " min")});
  rows.push_back({Tr("Statistics", "Mean base breath rate"),
                  s.MeanBreathRate ? FillIn(Tr("Statistics", "%1 (%2 dives)"),
                                            {OneDecimal(s.MeanBreathRate, " l/min"),
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

std::vector<std::string> GroupColumnTitles(StatisticsGrouping grouping) {
  return {GroupingTitle(grouping),
          Tr("Statistics", "Dives"),
          Tr("Statistics", "Dive time (h)"),
          Tr("Statistics", "Deepest (m)"),
          Tr("Statistics", "Mean depth (m)"),
          Tr("Statistics", "Coldest (°C)"),
          Tr("Statistics", "Breath rate (l/min)"),
          Tr("Statistics", "Over-saturation (%)")};
}

std::vector<std::string> GroupCells(const StatisticsGroup& g) {
  return {g.Key,
          std::to_string(g.Dives.size()),
          g.DiveMinutes ? HoursAndMinutes(*g.DiveMinutes) : kNoValue,
          OneDecimal(g.MaxDepth, ""),
          OneDecimal(g.MeanMaxDepth, ""),
          OneDecimal(g.MinWaterTemperature, ""),
          OneDecimal(g.MeanBreathRate, ""),
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
  line(GroupColumnTitles(stats.GroupedBy));
  for (const StatisticsGroup& group : stats.Groups) line(GroupCells(group));
  return text;
}

std::string StatisticsJson(const LogbookStatistics& s) {
  std::string json =
      "{\"dives\": " + std::to_string(s.Dives) +
      ", \"dive_minutes\": " + JsonNumber(s.DiveMinutes) +
      ", \"first_date\": " + JsonDate(s.FirstDate) + ", \"last_date\": " + JsonDate(s.LastDate) +
      ", \"mean_max_depth_m\": " + JsonNumber(s.MeanMaxDepth) +
      ", \"mean_dive_minutes\": " + JsonNumber(s.MeanDiveMinutes) +
      ", \"mean_breath_rate_lpm\": " + JsonNumber(s.MeanBreathRate) +
      ", \"deepest\": " + JsonExtreme(s.Deepest, "max_depth_m") +
      ", \"longest\": " + JsonExtreme(s.Longest, "dive_minutes", true) +
      ", \"coldest\": " + JsonExtreme(s.Coldest, "water_c") +
      ", \"highest_oversaturation\": " + JsonExtreme(s.HighestOverSaturation, "percent") +
      ", \"groups\": [";
  for (size_t n = 0; n < s.Groups.size(); ++n) {
    json += (n == 0 ? "" : ", ") + JsonGroup(s.Groups[n]);
  }
  return json + "]}\n";
}

}  // namespace scrb
