#include <iostream>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "render/ProgramStart.h"
#include "render/SaveFile.h"

int main(int argc, char** argv) {
  scrb::WriteStandardStreamsAsBytes();
  std::ios::sync_with_stdio(false);
  scrb::IgnoreFileSizeSignal();
  const int status = scrb::cli::RunCli(scrb::Utf8Arguments(argc, argv), std::cout, std::cerr);
  std::cout.flush();
  return status;
}
