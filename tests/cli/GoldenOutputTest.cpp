// The example logbook through the program as a script runs it, byte for byte against the files
// that tools/update-golden wrote into tests/golden/. A difference is either a fault or a change
// meant: then rerun tools/update-golden and review its diff as code.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

#include "logbook/LogbookReader.h"
#include "support/LogbookBuilder.h"

namespace scrb {
namespace {

struct GoldenCase {
  std::string File;
  std::string Arguments;  // after the command's logbook
};

// The same names and arguments as tools/update-golden.
std::vector<GoldenCase> GoldenCases(int dives) {
  std::vector<GoldenCase> cases;
  for (const char* display : {"0", "1", "2", "3"})
    cases.push_back(
        {"list-display" + std::string(display), "list @ --display " + std::string(display)});
  cases.push_back({"dives", "dives @"});
  for (int dive = 0; dive < dives; ++dive) {
    char name[16];
    std::snprintf(name, sizeof name, "dive%02d", dive);
    const std::string n = std::to_string(dive);
    cases.push_back({"details-" + std::string(name), "details @ --dive " + n});
    for (const char* model : {"0", "1", "2"}) {
      cases.push_back({"profile-" + std::string(name) + "-model" + model,
                       "profile @ --dive " + n + " --model " + model});
    }
  }
  return cases;
}

// Runs the program with `arguments`, @ standing for the example logbook; its output and status.
std::pair<std::string, int> RunCli(std::string arguments) {
  arguments.replace(arguments.find('@'), 1, "'" + test::SourcePath("examples/sample.log") + "'");
  FILE* pipe = popen((std::string("'") + BATHYSCRIBE_CLI + "' " + arguments).c_str(), "r");
  if (pipe == nullptr) return {"", -1};
  std::string out;
  char buffer[65536];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  const int status = pclose(pipe);
  return {out, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

TEST(GoldenOutput, EveryTextCommandOnTheExampleLogbook) {
  std::vector<DiveRecord> dives;
  ParseLogbook(test::SampleLogbook(), dives);
  ASSERT_FALSE(dives.empty());
  for (const GoldenCase& c : GoldenCases(static_cast<int>(dives.size()))) {
    const std::string golden = test::ReadFile(test::SourcePath("tests/golden/" + c.File + ".txt"));
    const auto [out, status] = RunCli(c.Arguments);
    EXPECT_EQ(status, 0) << c.Arguments;
    EXPECT_FALSE(golden.empty()) << "tests/golden/" << c.File << ".txt is missing";
    // Not EXPECT_EQ: a whole profile printed twice would bury the name of the file.
    EXPECT_TRUE(out == golden) << c.Arguments << " differs from tests/golden/" << c.File << ".txt";
  }
}

}  // namespace
}  // namespace scrb
