// A write that fails half-way, as on a full disk: the program runs with a file size limit too small
// for what it writes. Nothing is left at the target, and every command's message names the file
// and the reason in the same words.

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdio>
#include <filesystem>
#include <string>

#include "cli/Commands.h"
#include "support/LogbookBuilder.h"

namespace scrb {
namespace {

#ifndef _WIN32
// The program's standard error and exit status when it may write no more than 1 kB to a file.
std::pair<std::string, int> RunWithFileSizeLimit(const std::string& arguments) {
  const std::string line =
      std::string("ulimit -f 1; exec '") + BATHYSCRIBE_CLI + "' " + arguments + " 2>&1 >/dev/null";
  FILE* pipe = popen(line.c_str(), "r");
  if (pipe == nullptr) return {"", -1};
  std::string err;
  char buffer[4096];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) err.append(buffer, n);
  const int status = pclose(pipe);
  return {err, WIFEXITED(status) ? WEXITSTATUS(status) : -128 - WTERMSIG(status)};
}

#endif

TEST(CliWriteFailure, AFullDiskLeavesNothingAndSaysWhy) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no file size limit to make a write fail half-way";
#else
  const std::filesystem::path folder =
      std::filesystem::path(test::WriteTempFile("sample.log", test::SampleLogbook())).parent_path();
  for (const auto& [file, command, options] :
       {std::tuple{"depth.png", "render", "--chart depth --dive 3"},
        std::tuple{"depth.svg", "render", "--chart depth --dive 3"},
        std::tuple{"depth.pdf", "render", "--chart depth --dive 3"},
        std::tuple{"report.pdf", "report", "--all"}, std::tuple{"dives.uddf", "export", ""},
        std::tuple{"dives.ssrf", "export", ""}}) {
    SCOPED_TRACE(file);
    const std::string target = (folder / file).string();
    const auto [err, status] =
        RunWithFileSizeLimit(std::string(command) + " '" + (folder / "sample.log").string() + "' " +
                             options + " --out '" + target + "'");
    EXPECT_EQ(status, cli::kExitUnreadable) << err;
    EXPECT_EQ(err, "bathyscribe-cli: cannot write " + target + ": File too large\n");
    // Only the logbook is left in the folder: no target, no half-written temporary file.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                            std::filesystem::directory_iterator()),
              1);
  }
#endif
}

}  // namespace
}  // namespace scrb
