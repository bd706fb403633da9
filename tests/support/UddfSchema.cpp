#include "support/UddfSchema.h"

#include <algorithm>
#include <cstdio>

#include "support/HostTools.h"

namespace scrb::test {

namespace {

std::string XmllintErrors(std::string command, const std::vector<std::string>& paths) {
  if (!HostToolInstalled("xmllint")) {
    // Under Wine: the same documents are validated by the Linux build's run of these tests, and
    // tools/test-windows holds the Windows build's exports to them byte for byte.
    static const bool told = [] {
      std::fputs("xmllint is not installed here: XML documents are not validated\n", stderr);
      return true;
    }();
    static_cast<void>(told);
    return {};
  }
  for (const std::string& path : paths) command += " '" + path + "'";
  command += " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return "xmllint could not be started";
  std::string output;
  char buffer[4096];
  while (const size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
  const int status = pclose(pipe);
  if (status == 0) return {};
  // Only what is wrong: xmllint also names every file that passed.
  std::string faults;
  size_t start = 0;
  while (start < output.size()) {
    const size_t end = std::min(output.find('\n', start), output.size());
    const std::string line = output.substr(start, end - start);
    if (!line.ends_with(" validates")) faults += line + "\n";
    start = end + 1;
  }
  return faults.empty() ? "xmllint failed" : faults;
}

}  // namespace

std::string UddfSchemaErrors(const std::string& path) {
  return UddfSchemaErrors(std::vector<std::string>{path});
}

std::string UddfSchemaErrors(const std::vector<std::string>& paths) {
  return XmllintErrors("xmllint --noout --schema '" + std::string(BATHYSCRIBE_UDDF_SCHEMA) + "'",
                       paths);
}

std::string XmlErrors(const std::vector<std::string>& paths) {
  return XmllintErrors("xmllint --noout", paths);
}

}  // namespace scrb::test
