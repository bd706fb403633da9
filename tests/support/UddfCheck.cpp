#include "support/UddfCheck.h"

#include <charconv>
#include <cmath>
#include <pugixml.hpp>
#include <set>
#include <sstream>
#include <string_view>

#include "export/UddfWriter.h"

namespace scrb::test {

namespace {

// The elements whose content is words or a date; every other element with text holds a number.
const std::set<std::string_view> kTextElements = {
    "name", "type", "version", "firstname", "lastname", "location", "para", "alarm", "datetime"};

bool IsFiniteNumber(std::string_view text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

}  // namespace

std::string ExportUddf(const Logbook& book) {
  std::ostringstream out;
  AnalysisCache analysis;
  analysis.SetDives(book.Dives.Share());
  return WriteUddf(book, analysis, out) ? out.str() : std::string();
}

std::vector<std::string> UddfFaults(const std::string& document) {
  std::vector<std::string> faults;
  pugi::xml_document parsed;
  const pugi::xml_parse_result result = parsed.load_string(document.c_str());
  if (!result) return {std::string("does not parse: ") + result.description()};
  if (!parsed.child("uddf")) return {"no uddf root"};

  std::set<std::string> ids;
  std::vector<std::string> refs;
  std::vector<pugi::xml_node> stack = {parsed.child("uddf")};
  while (!stack.empty()) {
    const pugi::xml_node node = stack.back();
    stack.pop_back();
    for (const pugi::xml_attribute attribute : node.attributes()) {
      const std::string_view name = attribute.name();
      if (name == "id" && !ids.insert(attribute.value()).second)
        faults.push_back("id given twice: " + std::string(attribute.value()));
      if (name == "ref") refs.emplace_back(attribute.value());
      if (name == "level" && !IsFiniteNumber(attribute.value()))
        faults.push_back("level is not a number: " + std::string(attribute.value()));
    }
    const bool leaf =
        node.first_child().type() == pugi::node_pcdata && !node.first_child().next_sibling();
    // The one number the schema demands that the logbook never knows.
    const bool unknownPressure = std::string_view(node.name()) == "tankpressurebegin" &&
                                 node.child_value() == std::string_view("NaN");
    if (leaf && !kTextElements.contains(node.name()) && !unknownPressure &&
        !IsFiniteNumber(node.child_value()))
      faults.push_back(std::string(node.name()) + " is not a finite number: " + node.child_value());
    for (const pugi::xml_node child : node.children())
      if (child.type() == pugi::node_element) stack.push_back(child);
  }
  for (const std::string& ref : refs)
    if (!ids.contains(ref)) faults.push_back("link to no id: " + ref);
  return faults;
}

}  // namespace scrb::test
