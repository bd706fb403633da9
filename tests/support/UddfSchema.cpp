#include "support/UddfSchema.h"

#include <cstdio>

namespace scrb::test {

std::string UddfSchemaErrors(const std::string& path) {
  const std::string command =
      "xmllint --noout --schema '" + std::string(BATHYSCRIBE_UDDF_SCHEMA) + "' '" + path + "' 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return "xmllint could not be started";
  std::string output;
  char buffer[4096];
  while (const size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
  const int status = pclose(pipe);
  return status == 0 ? std::string() : output.empty() ? "xmllint failed" : output;
}

}  // namespace scrb::test
