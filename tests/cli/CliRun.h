#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "support/LogbookBuilder.h"

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

inline bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// An empty folder for a test's output files, in one of the running test suite's own.
inline std::filesystem::path OutDir(const std::string& name) {
  const std::string suite = ::testing::UnitTest::GetInstance()->current_test_suite()->name();
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("bathyscribe-" + suite) / name;
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

// A logbook of one dive of twelve samples (four minutes) down to 24 m, its last sample at 4'00".
inline const std::string& FourMinuteDive() {
  static const std::string path = [] {
    const test::ProfileBuilder profile{
        .Samples = test::ProfileBuilder::FromDepths({5, 12, 20, 24, 24, 22, 15, 10, 5, 3, 3, 2})};
    test::EntryBuilder entry{.MaxDepth = 2400, .Profile = profile.Bytes()};
    return test::WriteTempFile("four-minutes.log", test::BuildLogbook({entry}));
  }();
  return path;
}

}  // namespace scrb::cli
