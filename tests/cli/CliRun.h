#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/Commands.h"

namespace scrb::cli {

using Args = std::vector<std::string>;

// What one run of the command-line front end printed and returned.
struct CliRun {
  int Status;
  std::string Out, Err;
};

inline CliRun Cli(const Args& arguments) {
  std::ostringstream out, err;
  const int status = RunCli(arguments, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace scrb::cli
