#include "support/HostTools.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

namespace scrb::test {

bool HostToolInstalled(const char* tool) {
  const char* path = std::getenv("PATH");
  if (path == nullptr) return false;
#ifdef _WIN32
  constexpr char kSeparator = ';';
  const std::string name = std::string(tool) + ".exe";
#else
  constexpr char kSeparator = ':';
  const std::string name = tool;
#endif
  std::string_view rest(path);
  while (!rest.empty()) {
    const size_t end = std::min(rest.find(kSeparator), rest.size());
    std::error_code error;
    if (end > 0 && std::filesystem::is_regular_file(
                       std::filesystem::path(std::string(rest.substr(0, end))) / name, error))
      return true;
    rest.remove_prefix(std::min(end + 1, rest.size()));
  }
  return false;
}

}  // namespace scrb::test
