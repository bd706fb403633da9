#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>
#include <ostream>
#include <set>

#include "Version.h"
#include "cli/Commands.h"
#include "logbook/LogbookReader.h"
#include "overview/DiveSearch.h"

namespace scrb::cli {
namespace {

constexpr const char* kUsage =
    "Usage: bathyscribe-cli COMMAND FILE... [OPTIONS]\n"
    "\n"
    "Several files: the first is opened, the others are merged behind it in order. A file\n"
    "that cannot be read or holds no readable dive is named on standard error and skipped;\n"
    "the files after it are still read. A file name that begins with - follows --, which\n"
    "ends the options.\n"
    "Dives are named by their index in the loaded logbook, counted from 0 (--dive N), or\n"
    "by their dive number (--number N: the first dive with that number).\n"
    "\n"
    "Commands:\n"
    "  list FILE... [--display 0|1|2|3]\n"
    "      the dive list, one entry a line, under the given display option (default 1)\n"
    "  details FILE... (--dive N | --number N)\n"
    "      the details and the raw profile dump of dive N\n"
    "  dives FILE...\n"
    "      the tab-separated list of all dives, as Copy All Dives puts it on the clipboard\n"
    "  profile FILE... (--dive N | --number N) [--model 0|1|2] [--surface-pressure P]\n"
    "          [--repetitive]\n"
    "      the tab-separated profile of dive N, as Copy Current Dive Profile does\n"
    "  render FILE... (--dive N | --number N) --chart NAME --out PATH [--size WxH] [--view 0|1]\n"
    "         [--model 0|1|2] [--surface-pressure P] [--repetitive] [--units U]\n"
    "         [--palette classic|dark|high-contrast] [--from MIN] [--to MIN]\n"
    "      draws a chart of dive N into PATH (" SCRB_RENDER_FORMATS "); a chart over the dive's time\n"
    "      shows the stretch from --from to --to minutes (decimals allowed; default the whole\n"
    "      dive, a --to past the last sample ends at it), at least a minute long\n"
    "  render FILE... --chart stats-NAME --out PATH [--size WxH] [--search TEXT]\n"
    "         [--model 0|1|2] [--units U] [--palette classic|dark|high-contrast]\n"
    "      draws a statistics chart of the dives the search finds (all without one)\n"
    "  render --list-charts\n"
    "      the chart names that render accepts\n"
    "  export FILE... --out PATH\n"
    "      every dive with its profile as one UDDF 3.2 file (PATH ends in .uddf; - is\n"
    "      standard output) or as a Subsurface XML logbook (PATH ends in .ssrf)\n"
    "  report FILE... (--dive N | --number N | --all) --out PATH.pdf [--model 0|1|2]\n"
    "         [--surface-pressure P] [--repetitive] [--paper a4|letter] [--units U]\n"
    "      the printable dive report of dive N or of every dive, one page each, as a PDF\n"
    "  table FILE... [--columns KEYS] [--sort KEY[:desc]] [--search TEXT] [--model 0|1|2]\n"
    "        [--repetitive] [--format tsv|csv|json] [--units U]\n"
    "      the dive table: the dives that contain every word of TEXT (in location, site,\n"
    "      partners, comment, other activities, number or date; case and accents ignored),\n"
    "      sorted by KEY (unknown values last), in logbook order without --sort. KEYS are\n"
    "      comma-separated: index, number, date, time, location, site, partners, comment,\n"
    "      maxdepth, divetime, watertemp, airtemp, airused, tank, breathrate, maxoversat,\n"
    "      trip (default number,date,time,location,site,maxdepth,divetime,watertemp).\n"
    "      What was not recorded is an empty cell (null in JSON)\n"
    "  report FILE... --summary [--dive N | --all] --out PATH.pdf [--model 0|1|2]\n"
    "         [--repetitive] [--paper a4|letter] [--units U]\n"
    "      a logbook summary page (figures, yearly table, charts) before the dive pages\n"
    "  compare FILE... (--dives I,J,... | --numbers N,M,...) [--model 0|1|2] [--repetitive]\n"
    "          [--format text|json] [--units U]\n"
    "      two to six dives side by side, in the order given: number, date, site, maximum\n"
    "      depth, dive time, water temperature, base breath rate, highest over-saturation and\n"
    "      its tissue, surface interval before, and whether nitrogen was carried over. Text is\n"
    "      a row a figure, tab-separated; JSON an array of one object a dive (null: not known)\n"
    "  render FILE... (--dives I,J,... | --numbers N,M,...) --chart compare-NAME --out PATH\n"
    "         [--size WxH] [--model 0|1|2] [--repetitive] [--units U] [--palette ...]\n"
    "      the comparison's depth, oversaturation or tank chart of the dives: NAME is depth,\n"
    "      oversaturation or tank\n"
    "  stats FILE... [--by year|month|site|location|partner|trip] [--search TEXT]\n"
    "         [--model 0|1|2] [--repetitive] [--format text|json] [--units U]\n"
    "      the logbook's statistics: the summary and a table grouped as --by says\n"
    "      (default year), of the dives the search finds (all without one)\n"
    "  -h, --help, --version\n"
    "      this text, or the program's version\n"
    "\n"
    "--repetitive: a dive whose surface interval is recorded starts from the tissues of the dive\n"
    "before it in time, off-gassed over the interval, when that dive ended within 60 minutes of\n"
    "where the interval began; without it every dive starts from surface equilibrium.\n"
    "--units metric|imperial (default metric): figures in metres, C, bar and l/min, or in feet,\n"
    "F, psi and cubic feet per minute (tank sizes stay in litres). The other commands and the\n"
    "UDDF and Subsurface exports are always metric.\n"
    "--palette (default classic): the colours of a rendered chart: the classic ones on white,\n"
    "light ones on a dark background, or strong ones and thicker lines on white. Reports are\n"
    "always printed in the classic colours.\n"
    "\n"
    "Exit status: 0 success, 1 usage error, 2 a file was refused or the output cannot be\n"
    "written, 3 a file is damaged; of several, 2 wins over 3.\n";

// Options that stand alone and never take the next argument as their value.
bool IsFlag(const std::string& name) {
  return name == "all" || name == "list-charts" || name == "repetitive" || name == "summary";
}

// "-h" is "--help"; any other argument of one dash and more (before "--") is an option too, and
// one that no command takes, so that a mistyped option is never read as a file name.
CliArgs ParseArguments(const std::vector<std::string>& arguments) {
  CliArgs args;
  args.Command = arguments.empty() ? "" : arguments[0];
  if (args.Command == "-h") args.Command = "--help";
  bool optionsEnded = false;
  for (size_t i = 1; i < arguments.size(); ++i) {
    const std::string& a = arguments[i];
    if (optionsEnded || a == "-" || !a.starts_with('-')) {
      args.Files.push_back(a);
    } else if (a == "--") {
      optionsEnded = true;
    } else if (!a.starts_with("--")) {
      args.Options[a == "-h" ? "help" : a] = "";
    } else if (const size_t equals = a.find('='); equals != std::string::npos) {
      args.Options[a.substr(2, equals - 2)] = a.substr(equals + 1);
    } else if (!IsFlag(a.substr(2)) && i + 1 < arguments.size() &&
               !arguments[i + 1].starts_with("--")) {
      args.Options[a.substr(2)] = arguments[++i];
    } else {
      args.Options[a.substr(2)] = "";
    }
  }
  return args;
}

// The options each command takes. Any other is refused rather than ignored, so that a script
// never gets output made under options it did not ask for.
const std::map<std::string, std::set<std::string>>& CommandOptions() {
  static const std::map<std::string, std::set<std::string>> options = {
      {"list", {"display"}},
      {"details", {"dive", "number"}},
      {"dives", {}},
      {"profile", {"dive", "number", "model", "surface-pressure", "repetitive"}},
      {"render",
       {"dive", "number", "dives", "numbers", "chart", "out", "size", "view", "model",
        "surface-pressure", "repetitive", "list-charts", "search", "units", "palette", "from",
        "to"}},
      {"export", {"out"}},
      {"report",
       {"dive", "number", "all", "out", "model", "surface-pressure", "repetitive", "paper",
        "summary", "units"}},
      {"table", {"columns", "sort", "search", "model", "repetitive", "format", "units"}},
      {"stats", {"by", "search", "model", "repetitive", "format", "units"}},
      {"compare", {"dives", "numbers", "model", "repetitive", "format", "units"}}};
  return options;
}

void CheckOptionNames(const CliArgs& args) {
  const auto& commands = CommandOptions();
  const auto command = commands.find(args.Command);
  if (command == commands.end()) {
    throw UsageError{args.Command.empty() ? "no command given"
                                          : "unknown command \"" + args.Command + "\""};
  }
  for (const auto& [name, value] : args.Options) {
    if (command->second.count(name) > 0) continue;
    const std::string spelt = name.starts_with('-') ? name : "--" + name;
    const bool someCommandTakes =
        std::ranges::any_of(commands, [&](const auto& c) { return c.second.count(name) > 0; });
    throw UsageError{someCommandTakes ? args.Command + " does not take the option \"" + spelt + "\""
                                      : "unknown option \"" + spelt + "\""};
  }
}

int RunCommand(const CliArgs& args, std::ostream& out, std::ostream& err) {
  if (args.Command == "list") return RunList(args, out, err);
  if (args.Command == "details") return RunDetails(args, out, err);
  if (args.Command == "dives") return RunDives(args, out, err);
  if (args.Command == "profile") return RunProfile(args, out, err);
  if (args.Command == "render") return RunRender(args, out, err);
  if (args.Command == "report") return RunReport(args, out, err);
  if (args.Command == "stats") return RunStats(args, out, err);
  if (args.Command == "table") return RunTable(args, out, err);
  if (args.Command == "compare") return RunCompare(args, out, err);
  return RunExport(args, out, err);
}

// A full disk or a closed pipe must not pass for success: whatever was printed is flushed and
// checked once the command is done.
int CheckOutput(int status, std::ostream& out, std::ostream& err) {
  out.flush();
  if (out) return status;
  return WriteFailed(err, "standard output", "it was closed or the device is full");
}

}  // namespace

std::optional<std::string> CliArgs::Option(const std::string& name) const {
  const auto it = Options.find(name);
  if (it == Options.end()) return std::nullopt;
  return it->second;
}

int WriteFailed(std::ostream& err, const std::string& target, const std::string& reason) {
  err << "bathyscribe-cli: cannot write " << target << ": " << reason << "\n";
  return kExitUnreadable;
}

UnitSystem UnitsOption(const CliArgs& args) {
  const std::optional<std::string> text = args.Option("units");
  if (!text) return UnitSystem::Metric;
  const std::optional<UnitSystem> units = UnitSystemByName(*text);
  if (!units) throw UsageError{"--units takes metric or imperial, not \"" + *text + "\""};
  return *units;
}

int IntOption(const CliArgs& args, const std::string& name, int fallback, int low, int high) {
  const std::optional<std::string> text = args.Option(name);
  if (!text) return fallback;
  int value = 0;
  const char* end = text->data() + text->size();
  const auto [ptr, error] = std::from_chars(text->data(), end, value);
  if (error != std::errc() || ptr != end || value < low || value > high) {
    throw UsageError{"--" + name + " takes a whole number from " + std::to_string(low) + " to " +
                     std::to_string(high) + ", not \"" + *text + "\""};
  }
  return value;
}

std::string LowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

bool NamesADive(const CliArgs& args) {
  return args.Option("dive") || args.Option("number");
}

int DiveOption(const CliArgs& args, const Logbook& book) {
  if (args.Option("dive") && args.Option("number")) {
    throw UsageError{"give either --dive N or --number N, not both"};
  }
  if (!NamesADive(args)) throw UsageError{"--dive N or --number N is required"};
  if (book.DiveCount() == 0) throw UsageError{"the logbook holds no dives"};
  if (!args.Option("number")) return IntOption(args, "dive", 0, 0, book.DiveCount() - 1);
  // Dive numbers are file words, so no other number can be found.
  const int number = IntOption(args, "number", 0, -32768, 32767);
  const int dive = FirstDiveWithNumber(book.Dives, number);
  if (dive < 0) throw UsageError{NoDiveWithNumberMessage(number), false};
  return dive;
}

CommandLogbooks LoadLogbooks(const std::vector<std::string>& files, std::ostream& err) {
  if (files.empty()) throw UsageError{"no logbook file given"};
  CommandLogbooks loaded;
  const LoadSequence sequence = loaded.Session->TakeInOrder(files);
  for (const LoadOutcome& load : sequence.Loads) {
    if (load.Message.empty()) continue;
    // The window's texts, on one line: their paragraph breaks are the window's layout.
    std::string message = load.Message;
    for (size_t at = message.find("\r\n\r\n"); at != std::string::npos;
         at = message.find("\r\n\r\n", at))
      message.replace(at, 4, " ");
    err << "bathyscribe-cli: " << message << "\n";
  }
  loaded.Status = sequence.ExitStatus();
  return loaded;
}

int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const CliArgs args = ParseArguments(arguments);
  try {
    if (args.Command == "--version" || args.Option("version")) {
      out << "bathyscribe-cli " << kVersion << "\n";
      return CheckOutput(kExitOk, out, err);
    }
    if (args.Command == "help" || args.Command == "--help" || args.Option("help")) {
      out << kUsage;
      return CheckOutput(kExitOk, out, err);
    }
    CheckOptionNames(args);
    return CheckOutput(RunCommand(args, out, err), out, err);
  } catch (const UsageError& e) {
    err << "bathyscribe-cli: " << e.Message << "\n";
    // The whole usage text would bury the one line that says what went wrong.
    if (e.PointToHelp) err << "Try 'bathyscribe-cli --help' for more information.\n";
    return kExitUsage;
  }
}

}  // namespace scrb::cli
