#pragma once

#include <gtest/gtest.h>

namespace scrb::test {

// Whether a program some tests read their results with (pdftotext, pdfinfo, xmllint) is on the
// PATH. The Windows build's tests run under Wine, where these Linux programs cannot be started.
bool HostToolInstalled(const char* tool);

}  // namespace scrb::test

// Skips the test, saying why, where it cannot read its result.
#define SCRB_NEEDS_TOOL(tool)                                                              \
  if (!::scrb::test::HostToolInstalled(tool))                                              \
  GTEST_SKIP() << tool << " is not installed here, and this test reads its result with it"

// Skips the test on a system whose file size limits and devices it relies on are POSIX ones.
#ifdef _WIN32
#define SCRB_NEEDS_POSIX(what) GTEST_SKIP() << "Windows has no " << what
#else
#define SCRB_NEEDS_POSIX(what) static_cast<void>(what)
#endif

// Skips a test that reads the texts of an SVG chart in a build made without SVG output.
#define SCRB_NEEDS_SVG()                                                                   \
  if (!BATHYSCRIBE_SVG)                                                                    \
  GTEST_SKIP() << "this build draws no SVG (it was made without Qt SVG), and this test reads " \
                  "the texts of an SVG chart"
