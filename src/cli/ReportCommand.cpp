#include <QString>
#include <numeric>
#include <ostream>

#include "cli/Commands.h"
#include "logbook/FilePath.h"
#include "overview/StatisticsTexts.h"
#include "render/ReportPainter.h"
#include "render/SaveFile.h"

namespace scrb::cli {

namespace {

std::string PdfOutOption(const CliArgs& args) {
  const std::optional<std::string> path = args.Option("out");
  if (!path || path->empty()) throw UsageError{"--out PATH.pdf is required"};
  if (LowerCase(Utf8FromPath(PathFromUtf8(*path).extension())) != ".pdf") {
    throw UsageError{"--out must end in .pdf, not \"" + *path + "\""};
  }
  return *path;
}

QPageSize PaperOption(const CliArgs& args) {
  const std::string paper = LowerCase(args.Option("paper").value_or("a4"));
  if (paper == "a4") return QPageSize(QPageSize::A4);
  if (paper == "letter") return QPageSize(QPageSize::Letter);
  throw UsageError{"--paper takes a4 or letter, not \"" + paper + "\""};
}

std::vector<int> ChosenDives(const CliArgs& args, const Logbook& book) {
  if (args.Option("all") && NamesADive(args)) {
    throw UsageError{"report takes either --dive N, --number N or --all"};
  }
  // The summary page may stand alone.
  if (!args.Option("all") && !NamesADive(args)) {
    if (args.Option("summary")) return {};
    throw UsageError{"report takes either --dive N, --number N or --all"};
  }
  if (NamesADive(args)) return {DiveOption(args, book)};
  if (book.DiveCount() == 0) throw UsageError{"the logbook holds no dives"};
  std::vector<int> dives(static_cast<size_t>(book.DiveCount()));
  std::iota(dives.begin(), dives.end(), 0);
  return dives;
}

}  // namespace

int RunReport(const CliArgs& args, std::ostream&, std::ostream& err) {
  const std::string outPath = PdfOutOption(args);
  const QPageSize paper = PaperOption(args);
  IntOption(args, "model", 0, 0, 2);  // a bad model is refused before any file is read
  const std::optional<double> surfacePressure = SurfacePressureOption(args);
  const UnitSystem units = UnitsOption(args);

  CommandLogbooks loaded = LoadLogbooks(args.Files, err);
  if (loaded.NothingLoaded()) return loaded.Status;
  const Logbook& book = loaded.Book();
  const int status = loaded.Status;
  const std::vector<int> dives = ChosenDives(args, book);
  AnalysisCache& analysis = loaded.Analysis();
  if (surfacePressure) {
    for (const int dive : dives) analysis.SetSurfacePressure(dive, *surfacePressure);
  }
  ApplyModelOptions(args, analysis);

  if (!EnsureGuiApplication(err)) return kExitUsage;
  // The report goes to a temporary file beside the target and takes its place only when it is
  // complete, so a failure never leaves half a report or costs the one that was there.
  std::optional<LogbookStatistics> summary;
  if (args.Option("summary")) {
    std::vector<int> all(static_cast<size_t>(book.DiveCount()));
    std::iota(all.begin(), all.end(), 0);
    summary =
        InUnits(*StatisticsOf(analysis, book.Dives, all, StatisticsGrouping::Year, {}), units);
  }
  const DiveReportJob job{&analysis,
                          dives,
                          FileNameOf(book.LogbookFile),
                          summary ? &*summary : nullptr,
                          StatisticsTitle(book.DiveCount(), book.DiveCount(), ""),
                          units};
  const QString failure = SaveFileThrough(QString::fromStdString(outPath), [&](QIODevice& file) {
    return WriteDiveReportPdf(file, job, paper);
  });
  if (!failure.isEmpty()) return WriteFailed(err, outPath, failure.toStdString());
  return status;
}

}  // namespace scrb::cli
