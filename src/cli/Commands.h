#pragma once

#include <iosfwd>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis/AnalysisCache.h"
#include "logbook/Logbook.h"
#include "overview/Statistics.h"
#include "report/Units.h"
#include "session/LogbookSession.h"

namespace scrb::cli {

// The picture files render writes. SVG needs Qt SVG, which a build can be made without (the
// Windows build: Debian does not serve that module's source to build it from).
#ifndef BATHYSCRIBE_SVG
#define BATHYSCRIBE_SVG 1
#endif
#if BATHYSCRIBE_SVG
#define SCRB_RENDER_FORMATS ".png, .svg or .pdf"
#else
#define SCRB_RENDER_FORMATS ".png or .pdf"
#endif

// Exit statuses of bathyscribe-cli.
constexpr int kExitOk = 0;
constexpr int kExitUsage = 1;
constexpr int kExitUnreadable = 2;
constexpr int kExitDamaged = 3;

// A command line split into the logbook files and the "--name value" options.
struct CliArgs {
  std::string Command;
  std::vector<std::string> Files;
  std::map<std::string, std::string> Options;

  std::optional<std::string> Option(const std::string& name) const;
};

// Thrown by a command for a bad or missing option; the front end prints it with a pointer to
// --help.
struct UsageError {
  std::string Message;
  // False where the command line is well formed and only names what is not there.
  bool PointToHelp = true;
};

// Tells err that `target` (a path, or "standard output") could not be written and why, in the
// one wording every command uses; returns the exit status for it.
int WriteFailed(std::ostream& err, const std::string& target, const std::string& reason);

// The logbooks named on the command line, taken in as the window takes them: the first that can
// be read is opened and the others merged behind it; a refused file is named on err and skipped.
// Status is the most severe met: kExitUnreadable over kExitDamaged over kExitOk.
struct CommandLogbooks {
  // On the heap: its analysis points into its store, so the session never moves.
  std::unique_ptr<LogbookSession> Session = std::make_unique<LogbookSession>();
  int Status = kExitOk;

  Logbook& Book() { return Session->Store(); }
  AnalysisCache& Analysis() { return Session->Analysis(); }
  // Every file was refused: the command has nothing to work on and ends with Status.
  bool NothingLoaded() const { return Session->Files().empty(); }
};
CommandLogbooks LoadLogbooks(const std::vector<std::string>& files, std::ostream& err);

// Parses an integer option; throws UsageError when it is not a whole number in [low, high].
int IntOption(const CliArgs& args, const std::string& name, int fallback, int low, int high);
// Option values and file extensions are taken in any letter case.
std::string LowerCase(std::string text);

// --units, default metric; throws UsageError for anything but metric or imperial.
UnitSystem UnitsOption(const CliArgs& args);

// Index of the dive named by --dive (a list index) or --number (the first dive with that dive
// number), checked against the book; throws UsageError.
int DiveOption(const CliArgs& args, const Logbook& book);
// Whether --dive or --number is given.
bool NamesADive(const CliArgs& args);

// The pressure of --surface-pressure, if given; throws UsageError for what the model window would
// refuse.
std::optional<double> SurfacePressureOption(const CliArgs& args);
// The analysis takes the model of --model (default 0) and, with --repetitive, carries nitrogen
// over from the dive before; throws UsageError for a bad model. For every command that takes them.
void ApplyModelOptions(const CliArgs& args, AnalysisCache& analysis);
// The dive named by --dive; the analysis of the book's dives takes --surface-pressure for that
// dive and the model options above; throws UsageError for bad values.
struct DiveUnderModel {
  int Dive = 0;
};
DiveUnderModel DiveUnderModelOptions(const CliArgs& args, const Logbook& book,
                                     AnalysisCache& analysis);

// The dives of --dives (list indices) or --numbers (the first dive with each number), in the order
// given; throws UsageError for fewer than two, more than six, or a dive not in the book.
std::vector<int> ComparedDivesOption(const CliArgs& args, const Logbook& book);

// --by, default year; throws UsageError.
StatisticsGrouping GroupingOption(const CliArgs& args);
// The statistics of the dives --search leaves (all without it), under the model in force.
LogbookStatistics StatisticsOfSearch(const CliArgs& args, AnalysisCache& analysis,
                                     const Logbook& book, StatisticsGrouping grouping);

int RunList(const CliArgs& args, std::ostream& out, std::ostream& err);
int RunDetails(const CliArgs& args, std::ostream& out, std::ostream& err);
int RunRender(const CliArgs& args, std::ostream& out, std::ostream& err);
int RunDives(const CliArgs& args, std::ostream& out, std::ostream& err);
int RunProfile(const CliArgs& args, std::ostream& out, std::ostream& err);
int RunExport(const CliArgs& args, std::ostream& out, std::ostream& err);
int RunReport(const CliArgs& args, std::ostream& out, std::ostream& err);
int RunStats(const CliArgs& args, std::ostream& out, std::ostream& err);
int RunTable(const CliArgs& args, std::ostream& out, std::ostream& err);
int RunCompare(const CliArgs& args, std::ostream& out, std::ostream& err);

// Makes sure a GUI application exists, as painting text needs one; false, with the reason on err,
// when another kind of application runs already.
bool EnsureGuiApplication(std::ostream& err);

// The whole front end: argv without the program name.
int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace scrb::cli
