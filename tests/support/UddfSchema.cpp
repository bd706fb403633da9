#include "support/UddfSchema.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace scrb::test {

namespace {

// The test runner names the schema; run by hand, it lies beside the export tests.
std::string SchemaPath() {
  const char* path = std::getenv("BATHYSCRIBE_UDDF_SCHEMA");
  if (path != nullptr) return path;
  return (std::filesystem::path(__FILE__).parent_path().parent_path() / "export" / "uddf_3.2.2.xsd")
      .string();
}

}  // namespace

std::string UddfSchemaErrors(const std::string& path) {
  const std::string command = "xmllint --noout --schema '" + SchemaPath() + "' '" + path + "' 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return "xmllint could not be started";
  std::string output;
  char buffer[4096];
  while (const size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
  const int status = pclose(pipe);
  return status == 0 ? std::string() : output.empty() ? "xmllint failed" : output;
}

}  // namespace scrb::test
