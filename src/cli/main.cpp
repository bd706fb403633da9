#include <iostream>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "render/SaveFile.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  scrb::IgnoreFileSizeSignal();
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const int status = scrb::cli::RunCli(arguments, std::cout, std::cerr);
  std::cout.flush();
  return status;
}
