#include <algorithm>
#include <cctype>
#include <charconv>
#include <ostream>
#include <set>

#include "Version.h"
#include "cli/Commands.h"
#include "logbook/LogbookReader.h"
#include "logbook/NumberParsing.h"

namespace scrb::cli {
namespace {

constexpr const char* kUsage =
    "Usage: bathyscribe-cli COMMAND FILE... [OPTIONS]\n"
    "\n"
    "Several files: the first is opened, the others are merged behind it in order.\n"
    "Dives are named by their index in the loaded logbook, counted from 0.\n"
    "\n"
    "Commands:\n"
    "  list FILE... [--display 0|1|2|3]\n"
    "      the dive list, one entry a line, under the given display option (default 1)\n"
    "  details FILE... --dive N\n"
    "      the details and the raw profile dump of dive N\n"
    "  dives FILE...\n"
    "      the tab-separated list of all dives, as Copy All Dives puts it on the clipboard\n"
    "  profile FILE... --dive N [--model 0|1|2] [--surface-pressure P]\n"
    "      the tab-separated profile of dive N, as Copy Current Dive Profile does\n"
    "  render FILE... --dive N --chart NAME --out PATH [--size WxH] [--view 0|1]\n"
    "         [--model 0|1|2] [--surface-pressure P]\n"
    "      draws a chart of dive N into PATH (.png, .svg or .pdf)\n"
    "  render --list-charts\n"
    "      the chart names that render accepts\n"
    "  export FILE... --out PATH\n"
    "      every dive with its profile as one UDDF 3.2 file (PATH ends in .uddf; - is\n"
    "      standard output)\n"
    "  report FILE... (--dive N | --all) --out PATH.pdf [--model 0|1|2]\n"
    "         [--surface-pressure P] [--paper a4|letter]\n"
    "      the printable dive report of dive N or of every dive, one page each, as a PDF\n"
    "  --help, --version\n"
    "      this text, or the program's version\n"
    "\n"
    "Exit status: 0 success, 1 usage error, 2 a file cannot be read, 3 a file is damaged.\n";

// Options that stand alone and never take the next argument as their value.
bool IsFlag(const std::string& name) {
  return name == "all" || name == "list-charts";
}

CliArgs ParseArguments(const std::vector<std::string>& arguments) {
  CliArgs args;
  args.Command = arguments.empty() ? "" : arguments[0];
  for (size_t i = 1; i < arguments.size(); ++i) {
    const std::string& a = arguments[i];
    if (a.rfind("--", 0) != 0 || a.size() == 2) {
      args.Files.push_back(a);
      continue;
    }
    const size_t equals = a.find('=');
    if (equals != std::string::npos) {
      args.Options[a.substr(2, equals - 2)] = a.substr(equals + 1);
    } else if (!IsFlag(a.substr(2)) && i + 1 < arguments.size() &&
               arguments[i + 1].rfind("--", 0) != 0) {
      args.Options[a.substr(2)] = arguments[++i];
    } else {
      args.Options[a.substr(2)] = "";
    }
  }
  return args;
}

// Every option that some command takes. A misspelt one is refused rather than ignored, so that a
// script never gets output made under options it did not ask for.
void CheckOptionNames(const CliArgs& args) {
  static const std::set<std::string> known = {
      "all",   "chart", "display",          "dive",    "help", "list-charts", "model", "out",
      "paper", "size",  "surface-pressure", "version", "view"};
  for (const auto& [name, value] : args.Options) {
    if (known.count(name) == 0) throw UsageError{"unknown option \"--" + name + "\""};
  }
}

}  // namespace

std::optional<std::string> CliArgs::Option(const std::string& name) const {
  const auto it = Options.find(name);
  if (it == Options.end()) return std::nullopt;
  return it->second;
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

double DoubleOption(const CliArgs& args, const std::string& name, double fallback) {
  const std::optional<std::string> text = args.Option(name);
  if (!text) return fallback;
  const std::optional<double> value = ParseWholeNumber(*text);
  if (!value) throw UsageError{"--" + name + " takes a number, not \"" + *text + "\""};
  return *value;
}

std::string LowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

int DiveOption(const CliArgs& args, const Logbook& book) {
  if (!args.Option("dive")) throw UsageError{"--dive N is required"};
  if (book.DiveCount() == 0) throw UsageError{"the logbook holds no dives"};
  return IntOption(args, "dive", 0, 0, book.DiveCount() - 1);
}

int LoadLogbooks(const std::vector<std::string>& files, Logbook& book, std::ostream& err) {
  if (files.empty()) throw UsageError{"no logbook file given"};
  book.Clear();
  int status = kExitOk;
  for (const std::string& path : files) {
    const ReadOutcome outcome = ReadLogbook(book, path);
    book.LogbookFile = path;
    if (outcome.Status == ReadStatus::Unreadable) {
      err << "bathyscribe-cli: " << UnreadableMessage(path, outcome) << "\n";
      return kExitUnreadable;
    }
    if (HoldsNoReadableDive(outcome)) {
      err << "bathyscribe-cli: " << NoReadableDiveMessage(path, outcome) << "\n";
      status = kExitDamaged;
    } else if (outcome.Status == ReadStatus::Damaged) {
      err << "bathyscribe-cli: " << path << ": " << outcome.DivesRead
          << " dives read, then reading stopped: " << outcome.Reason << ".\n";
      status = kExitDamaged;
    }
  }
  return status;
}

int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const CliArgs args = ParseArguments(arguments);
  try {
    if (args.Command == "--version" || args.Option("version")) {
      out << "bathyscribe-cli " << kVersion << "\n";
      return kExitOk;
    }
    if (args.Command == "help" || args.Command == "--help" || args.Command == "-h" ||
        args.Option("help")) {
      out << kUsage;
      return kExitOk;
    }
    CheckOptionNames(args);
    if (args.Command == "list") return RunList(args, out, err);
    if (args.Command == "details") return RunDetails(args, out, err);
    if (args.Command == "dives") return RunDives(args, out, err);
    if (args.Command == "profile") return RunProfile(args, out, err);
    if (args.Command == "render") return RunRender(args, out, err);
    if (args.Command == "report") return RunReport(args, out, err);
    if (args.Command == "export") return RunExport(args, out, err);
    throw UsageError{args.Command.empty() ? "no command given"
                                          : "unknown command \"" + args.Command + "\""};
  } catch (const UsageError& e) {
    err << "bathyscribe-cli: " << e.Message << "\n\n" << kUsage;
    return kExitUsage;
  }
}

}  // namespace scrb::cli
