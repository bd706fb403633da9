#include <gtest/gtest.h>

#include <QProcess>

#include "Version.h"
#include "app/window/AppCommandLine.h"

namespace scrb {
namespace {

using Request = AppCommandLine::Request;

TEST(AppCommandLine, EachArgumentListGetsItsAnswer) {
  const struct {
    QStringList Arguments;  // without the program name
    Request Asked;
    QString Logbook;
  } cases[] = {
      {{}, Request::Run, ""},
      {{"dives.log"}, Request::Run, "dives.log"},
      {{"--", "--odd name.log"}, Request::Run, "--odd name.log"},
      {{"-"}, Request::Run, "-"},
      {{"--help"}, Request::Help, ""},
      {{"dives.log", "-h"}, Request::Help, ""},
      {{"--version", "--help"}, Request::Help, ""},
      // Qt's own options, with their values, before Qt has taken them out.
      {{"-platform", "offscreen", "--version"}, Request::Version, ""},
      {{"-style", "Fusion", "-reverse", "--platform=xcb", "dives.log"}, Request::Run, "dives.log"},
      {{"-platform"}, Request::Run, ""},
      {{"--bogus", "dives.log"}, Request::UsageError, ""},
      {{"-x"}, Request::UsageError, ""},
      {{"a.log", "b.log"}, Request::UsageError, ""},
      {{"--", "--help"}, Request::Run, "--help"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Arguments.join(' ').toStdString());
    const AppCommandLine line = ParseAppCommandLine(QStringList{"bathyscribe"} + c.Arguments);
    const bool error = c.Asked == Request::UsageError;
    EXPECT_EQ(std::tuple(line.Asked, line.Logbook, line.ExitStatus(), line.OutputIsError()),
              std::tuple(c.Asked, c.Logbook, error ? 1 : 0, error));
    EXPECT_EQ(line.Output.contains("Usage: bathyscribe [LOGBOOK]"),
              error || c.Asked == Request::Help);
    EXPECT_TRUE(c.Asked != Request::Run || line.Output.isEmpty());
  }
  EXPECT_EQ(ParseAppCommandLine({"bathyscribe", "--version"}).Output,
            QString("bathyscribe %1\n").arg(kVersion));
  EXPECT_TRUE(ParseAppCommandLine({"bathyscribe", "--bogus"})
                  .Output.startsWith("bathyscribe: unknown option \"--bogus\"\n"));
}

}  // namespace
}  // namespace scrb

namespace scrb {
namespace {

// The program itself answers --version on its standard output, also where it is a windowed
// program (Windows), whose output to a pipe must not be taken over by a console.
TEST(AppCommandLine, TheProgramAnswersOnItsOutput) {
  QProcess app;
  app.start(BATHYSCRIBE_APP, {"--version"});
  ASSERT_TRUE(app.waitForFinished(60000));
  EXPECT_EQ(app.exitCode(), 0);
  EXPECT_EQ(QString::fromUtf8(app.readAllStandardOutput()), QString("bathyscribe %1\n").arg(kVersion));
}

}  // namespace
}  // namespace scrb
