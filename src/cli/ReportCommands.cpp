#include <ostream>

#include "cli/Commands.h"
#include "logbook/ProfileDecoder.h"
#include "report/ReportTexts.h"

namespace scrb::cli {

int RunDetails(const CliArgs& args, std::ostream& out, std::ostream& err) {
  Logbook book;
  const int status = LoadLogbooks(args.Files, book, err);
  if (status == kExitUnreadable) return status;
  DiveRecord& dive = book.Dives.at(static_cast<size_t>(DiveOption(args, book)));
  DecodeProfile(dive);
  out << DetailsText(dive) << RawDumpText(dive);
  return status;
}

int RunDives(const CliArgs&, std::ostream&, std::ostream& err) {
  err << "bathyscribe-cli: dives is not available yet\n";
  return kExitUsage;
}
int RunProfile(const CliArgs&, std::ostream&, std::ostream& err) {
  err << "bathyscribe-cli: profile is not available yet\n";
  return kExitUsage;
}

}  // namespace scrb::cli
