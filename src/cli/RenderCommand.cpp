#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#if BATHYSCRIBE_SVG
#include <QSvgGenerator>
#endif
#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <ostream>

#include "charts/SampleTimeAxis.h"
#include "cli/ChartRegistry.h"
#include "cli/Commands.h"
#include "logbook/FilePath.h"
#include "render/PainterSurface.h"
#include "render/SaveFile.h"
#include "report/NumberFormat.h"
#include "saturation/DecoModel.h"

namespace scrb::cli {

namespace {

constexpr int kDefaultWidthPixels = 1200;
constexpr int kLargestSidePixels = 16384;
constexpr double kRenderDpi = 96;

enum class OutputKind { Png, Svg, Pdf };

struct PixelSize {
  int Width;
  int Height;
};

std::vector<ChartEntry> AllChartEntries() {
  std::vector<ChartEntry> entries = DiveChartEntries();
  for (auto list : {AirChartEntries(), SaturationChartEntries(), StatisticsChartEntries(),
                    ComparisonChartEntries()}) {
    entries.insert(entries.end(), list.begin(), list.end());
  }
  return entries;
}

std::string ChartNames(const std::vector<ChartEntry>& entries) {
  std::string names;
  for (const ChartEntry& entry : entries) names += (names.empty() ? "" : ", ") + entry.Name;
  return names;
}

const ChartEntry& ChartOption(const CliArgs& args, const std::vector<ChartEntry>& entries) {
  const std::optional<std::string> name = args.Option("chart");
  if (!name || name->empty()) throw UsageError{"--chart NAME is required"};
  const auto it = std::find_if(entries.begin(), entries.end(),
                               [&](const ChartEntry& e) { return e.Name == *name; });
  if (it == entries.end()) {
    throw UsageError{"unknown chart \"" + *name + "\"; the charts are " + ChartNames(entries)};
  }
  return *it;
}

const Palette& PaletteOption(const CliArgs& args) {
  const std::optional<std::string> name = args.Option("palette");
  if (!name) return Palette::Classic();
  const Palette* palette = PaletteNamed(*name);
  if (palette == nullptr) {
    throw UsageError{"--palette takes classic, dark or high-contrast, not \"" + *name + "\""};
  }
  return *palette;
}

OutputKind OutputKindOf(const std::string& path) {
  const std::string extension = LowerCase(Utf8FromPath(PathFromUtf8(path).extension()));
  if (extension == ".png") return OutputKind::Png;
  if (extension == ".pdf") return OutputKind::Pdf;
  if (extension == ".svg") {
    if (BATHYSCRIBE_SVG) return OutputKind::Svg;
    throw UsageError{"this build draws " SCRB_RENDER_FORMATS " files; it was made without Qt SVG, so \"" +
                     path + "\" cannot be written"};
  }
  throw UsageError{"--out must end in " SCRB_RENDER_FORMATS ", not \"" + path + "\""};
}

bool ParseSide(std::string_view text, int& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value >= 1 &&
         value <= kLargestSidePixels;
}

PixelSize SizeOption(const CliArgs& args, int defaultHeight) {
  const std::optional<std::string> text = args.Option("size");
  if (!text) return {kDefaultWidthPixels, defaultHeight};
  const size_t cross = text->find('x');
  PixelSize size{0, 0};
  if (cross == std::string::npos ||
      !ParseSide(std::string_view(*text).substr(0, cross), size.Width) ||
      !ParseSide(std::string_view(*text).substr(cross + 1), size.Height)) {
    throw UsageError{"--size takes WIDTHxHEIGHT in pixels, each from 1 to " +
                     std::to_string(kLargestSidePixels) + ", not \"" + *text + "\""};
  }
  return size;
}

// Without an application (the command line) an off-screen one is made for the rest of the
// process, so rendering works without a display.
bool GuiApplicationRuns() {
  if (QCoreApplication::instance() != nullptr) {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
  }
  // The off-screen platform complains about a missing runtime folder it never uses; that is
  // no news to someone rendering a chart from a script.
  static const QtMessageHandler previous = qInstallMessageHandler(
      [](QtMsgType type, const QMessageLogContext& where, const QString& message) {
        if (message.startsWith(QLatin1String("QStandardPaths:"))) return;
        if (previous != nullptr) previous(type, where, message);
      });
  static int argc = 3;
  static char name[] = "bathyscribe-cli";
  static char platformSwitch[] = "-platform";
#ifdef _WIN32
  // Windows' own platform draws with the fonts Windows has and opens no window either; the
  // off-screen one would look for fonts in a folder of Qt's that a Windows machine lacks.
  static QByteArray platform = qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
                                   ? QByteArray("windows")
                                   : qgetenv("QT_QPA_PLATFORM");
  static char* argv[] = {name, platformSwitch, platform.data(), nullptr};
#else
  static char platform[] = "offscreen";
  static char* argv[] = {name, platformSwitch, platform, nullptr};
#endif
  static QGuiApplication* application = new QGuiApplication(argc, argv);
  return application != nullptr;
}

void Draw(const ChartEntry& entry, RenderContext& context, QPaintDevice* device, QSizeF size) {
  PainterSurface surface(device, size, kRenderDpi, kRenderDpi);
  surface.UsePalette(context.Colours);
  entry.Draw(context, surface);
  surface.Finish();
}

QByteArray RenderPng(const ChartEntry& entry, RenderContext& context, PixelSize size) {
  QImage image(size.Width, size.Height, QImage::Format_ARGB32_Premultiplied);
  const Rgb background = context.Colours.Background;
  image.fill(QColor(background.R, background.G, background.B));
  Draw(entry, context, &image, QSizeF(size.Width, size.Height));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

QByteArray RenderSvg([[maybe_unused]] const ChartEntry& entry,
                     [[maybe_unused]] RenderContext& context, [[maybe_unused]] PixelSize size) {
  QByteArray bytes;
#if BATHYSCRIBE_SVG
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(QSize(size.Width, size.Height));
  generator.setViewBox(QRect(0, 0, size.Width, size.Height));
  generator.setResolution(static_cast<int>(kRenderDpi));
  generator.setTitle(QString::fromStdString(entry.Name));
  Draw(entry, context, &generator, QSizeF(size.Width, size.Height));
#endif
  return bytes;
}

QByteArray RenderPdf(const ChartEntry& entry, RenderContext& context, PixelSize size) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(static_cast<int>(kRenderDpi));
    const QSizeF points(size.Width * 72.0 / kRenderDpi, size.Height * 72.0 / kRenderDpi);
    writer.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(QString::fromStdString(entry.Name));
    Draw(entry, context, &writer, QSizeF(writer.width(), writer.height()));
  }
  return bytes;
}

// The picture replaces the file only when all of it is written: an earlier picture is never lost
// to a full disk or a killed run.
// Empty when written, otherwise why not.
QString WriteFile(const std::string& path, const QByteArray& bytes) {
  return SaveFile(QString::fromStdString(path), [&bytes](std::ostream& file) {
    file.write(bytes.constData(), bytes.size());
    return static_cast<bool>(file);
  });
}

}  // namespace

bool EnsureGuiApplication(std::ostream& err) {
  if (GuiApplicationRuns()) return true;
  err << "bathyscribe-cli: cannot draw: the program runs without a graphical application\n";
  return false;
}

// A time in minutes from --from or --to, or nothing when the option is not given.
std::optional<double> MinutesOption(const CliArgs& args, const char* name) {
  const std::optional<std::string> text = args.Option(name);
  if (!text) return std::nullopt;
  double minutes = 0;
  const char* end = text->data() + text->size();
  const auto [stop, error] = std::from_chars(text->data(), end, minutes);
  if (text->empty() || error != std::errc() || stop != end || !std::isfinite(minutes)) {
    throw UsageError{std::string("--") + name + " takes minutes such as 12.5, not \"" + *text +
                     "\""};
  }
  if (minutes < 0) throw UsageError{std::string("--") + name + " must not be negative"};
  return minutes;
}

// The stretch --from and --to ask for on a dive of `sampleCount` samples: from the start and to
// the last sample when left out; a --to past the last sample ends there.
TimeStretch StretchOption(const CliArgs& args, int32_t sampleCount) {
  const std::optional<double> from = MinutesOption(args, "from");
  const std::optional<double> to = MinutesOption(args, "to");
  if (!from && !to) return TimeStretch::WholeDive();
  const double lastSample = sampleCount > 0 ? SampleTime(sampleCount - 1) : 0;
  const double left = from.value_or(0) * 100;
  const double right = std::min(to ? *to * 100 : lastSample, lastSample);
  if (to && from && *to <= *from) throw UsageError{"--to must lie after --from"};
  if (right <= left) {
    throw UsageError{"--from lies at or past the dive's last sample, at " +
                     GeneralNumber(lastSample / 100) + " minutes"};
  }
  if (right - left < kShortestStretch) {
    throw UsageError{"--from and --to must be at least a minute apart within the dive"};
  }
  return TimeStretch::Between(left, right);
}

int RunRender(const CliArgs& args, std::ostream& out, std::ostream& err) {
  const std::vector<ChartEntry> entries = AllChartEntries();
  if (args.Option("list-charts")) {
    for (const ChartEntry& entry : entries) out << entry.Name << "\n";
    return kExitOk;
  }

  const ChartEntry& entry = ChartOption(args, entries);
  const std::optional<std::string> outPath = args.Option("out");
  if (!outPath || outPath->empty()) throw UsageError{"--out PATH is required"};
  const OutputKind kind = OutputKindOf(*outPath);
  const PixelSize size = SizeOption(args, entry.DefaultHeightPixels);
  const int view = IntOption(args, "view", 1, 0, 1);
  const UnitSystem units = UnitsOption(args);
  const Palette& palette = PaletteOption(args);
  // Refused before any file is read, as the other options are.
  MinutesOption(args, "from");
  MinutesOption(args, "to");

  CommandLogbooks loaded = LoadLogbooks(args.Files, err);
  if (loaded.NothingLoaded()) return loaded.Status;
  AnalysisCache& analysis = loaded.Analysis();
  const int status = loaded.Status;
  std::optional<LogbookStatistics> statistics;
  int dive = 0;
  const bool stretched = args.Option("from") || args.Option("to");
  if (stretched && (entry.WholeLogbook || !entry.OverTime || entry.Comparison)) {
    throw UsageError{"--from and --to go with the charts over a dive's time only"};
  }
  std::vector<int> compared;
  const bool namesDives = args.Option("dives") || args.Option("numbers");
  if (namesDives && !entry.Comparison) {
    throw UsageError{"--dives and --numbers go with the compare-* charts only"};
  }
  if (entry.Comparison) {
    if (NamesADive(args) || args.Option("search") || args.Option("surface-pressure")) {
      throw UsageError{
          "the compare-* charts take --dives or --numbers, and no --dive, --number, "
          "--search or --surface-pressure"};
    }
    compared = ComparedDivesOption(args, loaded.Book());
    ApplyModelOptions(args, analysis);
  } else if (entry.WholeLogbook) {
    ApplyModelOptions(args, analysis);
    statistics = StatisticsOfSearch(args, analysis, loaded.Book(), StatisticsGrouping::Year);
  } else {
    if (args.Option("search")) throw UsageError{"--search goes with the statistics charts only"};
    dive = DiveUnderModelOptions(args, loaded.Book(), analysis).Dive;
  }

  if (!EnsureGuiApplication(err)) return kExitUsage;
  RenderContext context{analysis, dive,    view,    statistics ? &*statistics : nullptr,
                        units,    palette, compared};
  if (stretched) {
    const auto profile = analysis.Profile(dive);
    context.Stretch = StretchOption(args, profile ? profile->SampleCount : 0);
  }
  QByteArray bytes;
  switch (kind) {
    case OutputKind::Png:
      bytes = RenderPng(entry, context, size);
      break;
    case OutputKind::Svg:
      bytes = RenderSvg(entry, context, size);
      break;
    case OutputKind::Pdf:
      bytes = RenderPdf(entry, context, size);
      break;
  }
  const QString failure = bytes.isEmpty() ? QStringLiteral("the picture could not be drawn")
                                          : WriteFile(*outPath, bytes);
  if (!failure.isEmpty()) return WriteFailed(err, *outPath, failure.toStdString());
  return status;
}

}  // namespace scrb::cli
