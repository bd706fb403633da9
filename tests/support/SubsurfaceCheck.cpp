#include "support/SubsurfaceCheck.h"

#include <charconv>
#include <cmath>
#include <map>
#include <pugixml.hpp>
#include <regex>
#include <set>
#include <sstream>
#include <string_view>

#include "export/SubsurfaceWriter.h"

namespace scrb::test {

namespace {

// The unit every measurement attribute must carry.
const std::map<std::string_view, std::string_view> kUnits = {
    {"size", " l"}, {"max", " m"}, {"mean", " m"}, {"depth", " m"}, {"water", " C"}, {"air", " C"}};

bool IsMeasurement(std::string_view text, std::string_view unit) {
  if (!text.ends_with(unit)) return false;
  text.remove_suffix(unit.size());
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && std::isfinite(value) &&
         text.find('.') != std::string_view::npos;
}

// Seconds of an "m:ss min" time; -1 when it is no such time.
long Seconds(const std::string& text) {
  static const std::regex kTime(R"((\d+):([0-5]\d) min)");
  std::smatch match;
  if (!std::regex_match(text, match, kTime)) return -1;
  return std::stol(match[1]) * 60 + std::stol(match[2]);
}

}  // namespace

std::string ExportSubsurface(const Logbook& book) {
  std::ostringstream out;
  AnalysisCache analysis;
  analysis.SetDives(book.Dives.Share());
  return WriteSubsurface(book, analysis, out) ? out.str() : std::string();
}

std::vector<std::string> SubsurfaceFaults(const std::string& document) {
  pugi::xml_document parsed;
  const pugi::xml_parse_result result = parsed.load_string(document.c_str());
  if (!result) return {std::string("does not parse: ") + result.description()};
  const pugi::xml_node root = parsed.child("divelog");
  if (!root || root.attribute("version").as_int() != 3) return {"no divelog root of version 3"};

  std::vector<std::string> faults;
  std::set<std::string> sites;
  static const std::regex kUuid("[0-9a-f]{8}");
  for (const pugi::xml_node site : root.child("divesites").children("site")) {
    const std::string uuid = site.attribute("uuid").value();
    if (!std::regex_match(uuid, kUuid) || uuid == "00000000" || !sites.insert(uuid).second)
      faults.push_back("bad or repeated site id: " + uuid);
  }
  static const std::regex kDate(R"(\d{4}-\d{2}-\d{2})");
  for (const pugi::xpath_node& hit : root.select_nodes("//*")) {
    const pugi::xml_node node = hit.node();
    const std::string_view name = node.name();
    for (const pugi::xml_attribute attribute : node.attributes()) {
      const std::string_view key = attribute.name();
      const std::string value = attribute.value();
      const auto unit = kUnits.find(key);
      if (unit != kUnits.end() && !IsMeasurement(value, unit->second))
        faults.push_back(std::string(name) + " " + std::string(key) +
                         " is no measurement: " + value);
      if ((key == "time" && name != "dive" && name != "trip") || key == "duration") {
        if (Seconds(value) < 0) faults.push_back(std::string(name) + " bad duration: " + value);
      }
      if (key == "date" && !std::regex_match(value, kDate)) faults.push_back("bad date: " + value);
      if (key == "divesiteid" && !sites.contains(value)) faults.push_back("no site " + value);
    }
    if (name == "divecomputer") {
      long last = -1;
      for (const pugi::xml_node sample : node.children("sample")) {
        const long time = Seconds(sample.attribute("time").value());
        if (time <= last) faults.push_back("samples go back in time");
        last = time;
      }
    }
  }
  return faults;
}

}  // namespace scrb::test
