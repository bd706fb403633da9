#include <ostream>

#include "cli/Commands.h"
#include "export/ExportTexts.h"
#include "logbook/ProfileDecoder.h"
#include "report/ReportTexts.h"

namespace scrb::cli {

int RunDetails(const CliArgs& args, std::ostream& out, std::ostream& err) {
  Logbook book;
  const int status = LoadLogbooks(args.Files, book, err);
  if (status == kExitUnreadable) return status;
  const int index = DiveOption(args, book);
  AnalysisCache analysis;
  analysis.SetDives(&book.Dives);
  const DiveRecord& dive = book.Dives.at(static_cast<size_t>(index));
  out << DetailsText(dive) << RawDumpText(dive, *analysis.Profile(index));
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
  AnalysisCache analysis;
  const DiveUnderModel selected = DiveUnderModelOptions(args, book, analysis);
  out << DiveProfileText(analysis.Analysed(selected.Dive), analysis.Model());
  return status;
}

}  // namespace scrb::cli
