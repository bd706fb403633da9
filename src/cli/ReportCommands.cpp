#include <ostream>

#include "cli/Commands.h"
#include "logbook/ProfileDecoder.h"
#include "export/ExportTexts.h"
#include "report/ReportTexts.h"

namespace scrb::cli {

int RunDetails(const CliArgs& args, std::ostream& out, std::ostream& err) {
  CommandLogbooks loaded = LoadLogbooks(args.Files, err);
  if (loaded.NothingLoaded()) return loaded.Status;
  Logbook& book = loaded.Book();
  const int status = loaded.Status;
  DiveRecord& dive = book.Dives.at(static_cast<size_t>(DiveOption(args, book)));
  DecodeProfile(dive);
  out << DetailsText(dive) << RawDumpText(dive);
  return status;
}

int RunDives(const CliArgs& args, std::ostream& out, std::ostream& err) {
  CommandLogbooks loaded = LoadLogbooks(args.Files, err);
  if (loaded.NothingLoaded()) return loaded.Status;
  Logbook& book = loaded.Book();
  const int status = loaded.Status;
  out << AllDivesText(book);
  return status;
}

int RunProfile(const CliArgs& args, std::ostream& out, std::ostream& err) {
  CommandLogbooks loaded = LoadLogbooks(args.Files, err);
  if (loaded.NothingLoaded()) return loaded.Status;
  Logbook& book = loaded.Book();
  const int status = loaded.Status;
  DecoModel model;
  const DiveUnderModel selected = DiveUnderModelOptions(args, book, model);
  out << DiveProfileText(book.Dives[static_cast<size_t>(selected.Dive)], model);
  return status;
}

}  // namespace scrb::cli
