#include <ostream>

#include "cli/Commands.h"

namespace scrb::cli {

int RunRender(const CliArgs&, std::ostream&, std::ostream& err) {
  err << "bathyscribe-cli: render is not available yet\n";
  return kExitUsage;
}

}  // namespace scrb::cli
