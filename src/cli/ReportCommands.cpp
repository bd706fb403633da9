#include <ostream>

#include "cli/Commands.h"

namespace scrb::cli {

int RunDetails(const CliArgs&, std::ostream&, std::ostream& err) {
  err << "bathyscribe-cli: details is not available yet\n";
  return kExitUsage;
}
int RunDives(const CliArgs&, std::ostream&, std::ostream& err) {
  err << "bathyscribe-cli: dives is not available yet\n";
  return kExitUsage;
}
int RunProfile(const CliArgs&, std::ostream&, std::ostream& err) {
  err << "bathyscribe-cli: profile is not available yet\n";
  return kExitUsage;
}

}  // namespace scrb::cli
