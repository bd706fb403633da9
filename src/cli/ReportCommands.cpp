#include <ostream>

#include "cli/Commands.h"
#include "logbook/ProfileDecoder.h"
#include "export/ExportTexts.h"
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

int RunDives(const CliArgs& args, std::ostream& out, std::ostream& err) {
  Logbook book;
  const int status = LoadLogbooks(args.Files, book, err);
  if (status == kExitUnreadable) return status;
  out << AllDivesText(book);
  return status;
}

int RunProfile(const CliArgs& args, std::ostream& out, std::ostream& err) {
  Logbook book;
  const int status = LoadLogbooks(args.Files, book, err);
  if (status == kExitUnreadable) return status;
  DecoModel model;
  const DiveUnderModel selected = DiveUnderModelOptions(args, book, model);
  out << DiveProfileText(book.Dives[static_cast<size_t>(selected.Dive)], model);
  return status;
}

}  // namespace scrb::cli
