#include <ostream>

#include "cli/Commands.h"
#include "export/ExportTexts.h"
#include "logbook/ProfileDecoder.h"
#include "report/ReportTexts.h"

namespace scrb::cli {

int RunDetails(const CliArgs& args, std::ostream& out, std::ostream& err) {
  CommandLogbooks loaded = LoadLogbooks(args.Files, err);
  if (loaded.NothingLoaded()) return loaded.Status;
  const Logbook& book = loaded.Book();
  const int index = DiveOption(args, book);
  const DiveRecord& dive = book.Dives.at(static_cast<size_t>(index));
  out << DetailsText(dive) << RawDumpText(dive, *loaded.Analysis().Profile(index));
  const int status = loaded.Status;
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
  AnalysisCache& analysis = loaded.Analysis();
  const int status = loaded.Status;
  const DiveUnderModel selected = DiveUnderModelOptions(args, loaded.Book(), analysis);
  out << DiveProfileText(analysis.Analysed(selected.Dive), analysis.Model());
  return status;
}

}  // namespace scrb::cli
