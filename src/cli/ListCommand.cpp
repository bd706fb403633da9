#include <ostream>

#include "cli/Commands.h"
#include "logbook/LogbookReader.h"

namespace scrb::cli {

int RunList(const CliArgs& args, std::ostream& out, std::ostream& err) {
  const int displayOption = IntOption(args, "display", 1, 0, 3);
  CommandLogbooks loaded = LoadLogbooks(args.Files, err);
  if (loaded.NothingLoaded()) return loaded.Status;
  Logbook& book = loaded.Book();
  const int status = loaded.Status;
  for (const DiveRecord& dive : book.Dives) out << DiveListEntry(dive, displayOption) << "\n";
  return status;
}

}  // namespace scrb::cli
