#include <QString>
#include <ostream>

#include "cli/Commands.h"
#include "export/SubsurfaceWriter.h"
#include "export/UddfWriter.h"
#include "render/SaveFile.h"

namespace scrb::cli {

int RunExport(const CliArgs& args, std::ostream& out, std::ostream& err) {
  const std::optional<std::string> path = args.Option("out");
  if (!path || path->empty()) throw UsageError{"--out PATH is required"};
  const bool toStandardOutput = *path == "-";
  const bool subsurface = IsSubsurfacePath(*path);
  if (!toStandardOutput && !subsurface && !IsUddfPath(*path)) {
    throw UsageError{"--out must end in .uddf or .ssrf, or be - for standard output, not \"" +
                     *path + "\""};
  }

  CommandLogbooks loaded = LoadLogbooks(args.Files, err);
  if (loaded.NothingLoaded()) return loaded.Status;
  const Logbook& book = loaded.Book();
  AnalysisCache& analysis = loaded.Analysis();
  const int status = loaded.Status;
  const auto write = [&](std::ostream& stream) {
    return subsurface ? WriteSubsurface(book, analysis, stream) : WriteUddf(book, analysis, stream);
  };
  // What standard output could not take is told once, by the front end's check of the stream.
  if (toStandardOutput) return write(out) ? status : kExitUnreadable;
  const QString reason = SaveFile(QString::fromStdString(*path), write);
  if (reason.isEmpty()) return status;
  return WriteFailed(err, *path, reason.toStdString());
}

}  // namespace scrb::cli
