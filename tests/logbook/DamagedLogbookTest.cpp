// A real-looking logbook, damaged every way a disk, a download or a wrong file choice can damage
// it, read and then taken through every computation and text a page could ask for.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "air/AirCharts.h"
#include "air/AirModel.h"
#include "air/AirReadout.h"
#include "air/PhysCharts.h"
#include "charts/AlarmStrip.h"
#include "charts/DepthChart.h"
#include "charts/DepthReadout.h"
#include "charts/VerticalSpeedChart.h"
#include "logbook/LogbookReader.h"
#include "logbook/ProfileDecoder.h"
#include "report/ExportTexts.h"
#include "report/ReportTexts.h"
#include "saturation/Saturation.h"
#include "saturation/SaturationCharts.h"
#include "saturation/SaturationReadout.h"
#include "support/LogbookBuilder.h"
#include "support/RecordingSurface.h"

namespace scrb {
namespace {

using test::SampleLogbook;

size_t EntryBytes(const DiveRecord& d) {
  return 52 + static_cast<size_t>(d.LocationLength + d.SiteLength + d.OtherActivitiesLength +
                                  d.PartnersLength + d.CommentLength + d.ProfileLength);
}

bool SameDive(const DiveRecord& a, const DiveRecord& b) {
  return a.DiveNumber == b.DiveNumber && a.DiveDate == b.DiveDate && a.Location == b.Location &&
         a.Site == b.Site && a.Comment == b.Comment && a.ProfileData == b.ProfileData;
}

// Everything the seven pages, the readouts and the exports do with a dive.
void ShowEverything(DiveRecord& dive) {
  DecodeProfile(dive);
  test::RecordingSurface surface;
  SummaryTexts(dive);
  DrawDepthChart(dive, surface);
  DrawAlarmStrip(dive, surface, 0);
  DrawAlarmStrip(dive, surface, 1);
  DrawVerticalSpeedChart(dive, surface);
  ComputeAirModel(dive);
  DrawBreathRateChart(dive, surface);
  DrawTankChart(dive, surface);
  DrawColdChart(dive, surface);
  DrawBubbleChart(dive, surface);
  DrawConsumptionChart(dive, surface);
  for (int number = 0; number < kDecoModelChoices; ++number) {
    DecoModel model;
    LoadDecoModel(model, number);
    dive.SaturationComputed = false;
    ComputeSaturation(dive, model);
    DrawTissuePressureChart(dive, model, surface);
    DrawOverSaturationChart(dive, model, surface);
    MaxOverSaturationText(dive, model);
    DiveProfileText(dive, model);
    const float end = static_cast<float>(dive.SampleCount * 100 / 3.0);
    for (const float x : {0.0f, 50.0f, end / 2, end, end + 100}) {
      ReadSaturation(dive, model, x);
      AirReadoutCaption(dive, x);
      if (const auto k = DepthReadoutSample(dive, x)) {
        DepthReadoutText(dive, *k);
        SpeedReadoutText(dive, *k);
      }
    }
  }
  DetailsText(dive);
  RawDumpText(dive);
}

TEST(DamagedLogbook, CutAtEveryOffsetKeepsExactlyTheDivesBeforeTheCut) {
  const std::string sample = SampleLogbook();
  std::vector<DiveRecord> whole;
  ParseLogbook(sample, whole);
  std::vector<size_t> ends;
  size_t end = 12;
  for (const DiveRecord& d : whole) ends.push_back(end += EntryBytes(d));
  ASSERT_EQ(ends.size(), 25u);
  ASSERT_EQ(ends.back(), sample.size());

  for (size_t cut = 0; cut <= sample.size(); ++cut) {
    SCOPED_TRACE(cut);
    std::vector<DiveRecord> dives;
    const ReadOutcome outcome = ParseLogbook(std::string_view(sample).substr(0, cut), dives);
    const auto complete =
        static_cast<size_t>(std::upper_bound(ends.begin(), ends.end(), cut) - ends.begin());
    ASSERT_EQ(dives.size(), complete);
    ASSERT_EQ(outcome.DivesRead, static_cast<int>(complete));
    ASSERT_TRUE(complete == 0 || SameDive(dives.back(), whole[complete - 1]));
    if (cut == sample.size()) {
      ASSERT_EQ(outcome.Status, ReadStatus::Ok);
      break;
    }
    ASSERT_EQ(outcome.Status, ReadStatus::Damaged);
    if (cut >= 12) {
      ASSERT_EQ(outcome.StopOffset, complete == 0 ? 12 : ends[complete - 1]);
    }
    ASSERT_NE(StatusText(static_cast<int>(complete), outcome).find("damaged"), std::string::npos);
  }
  // The dive that was cut is never shown, even partly.
  std::vector<DiveRecord> dives;
  ParseLogbook(std::string_view(sample).substr(0, ends[10] + 60), dives);
  ASSERT_EQ(dives.size(), 11u);
  for (DiveRecord& d : dives) ShowEverything(d);
}

TEST(DamagedLogbook, FlippedBytesGiveOnlyCompleteDivesThatEveryPageCanShow) {
  const std::string sample = SampleLogbook();
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE(seed);
    std::mt19937 random(seed);
    std::string bytes = sample;
    const int flips = 1 + static_cast<int>(random() % 12);
    for (int f = 0; f < flips; ++f)
      bytes[random() % bytes.size()] ^= static_cast<char>(1 + random() % 255);
    Logbook book;
    book.Dives.resize(1);
    book.Dives[0].DiveNumber = 999;
    const ReadOutcome outcome = ParseLogbook(bytes, book.Dives);
    ASSERT_EQ(book.Dives.size(), 1u + static_cast<size_t>(outcome.DivesRead));
    ASSERT_EQ(book.Dives[0].DiveNumber, 999) << "a dive loaded before survives";
    size_t end = 12;
    for (size_t i = 1; i < book.Dives.size(); ++i) {
      ASSERT_EQ(book.Dives[i].ProfileData.size(), static_cast<size_t>(book.Dives[i].ProfileLength));
      ASSERT_EQ(book.Dives[i].DiveFooter.size(), 12u);
      end += EntryBytes(book.Dives[i]);
    }
    ASSERT_LE(end, bytes.size());
    for (size_t i = 1; i < book.Dives.size(); ++i) ShowEverything(book.Dives[i]);
    AllDivesText(book);
  }
}

long PeakResidentKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// A sparse file: the size a disk would report without the disk space.
std::string SparseFile(const std::string& name, const std::string& start, uintmax_t size) {
  const std::string path = test::WriteTempFile(name, start);
  std::filesystem::resize_file(path, size);
  return path;
}

TEST(DamagedLogbook, HugeFilesAreReadOnlyAsFarAsTheirDivesCanReach) {
  constexpr uintmax_t kSize = 600ull << 20;
  const std::string sample = SampleLogbook();
  const long peakBefore = PeakResidentKilobytes();

  // The logbook with hundreds of megabytes behind it: the tail is never read.
  const std::string padded = SparseFile("padded.log", sample, kSize);
  Logbook book;
  ReadOutcome outcome = ReadLogbook(book, padded);
  EXPECT_EQ(outcome.Status, ReadStatus::Ok);
  EXPECT_EQ(book.DiveCount(), 25);

  // A file of nothing: no dives, and no dive count to believe.
  const std::string zeros = SparseFile("zeros.log", std::string(), kSize);
  outcome = ReadLogbook(book, zeros);
  EXPECT_EQ(outcome.Status, ReadStatus::Ok);
  EXPECT_EQ(outcome.DivesRead, 0);
  EXPECT_EQ(book.DiveCount(), 25);
  EXPECT_LT(PeakResidentKilobytes() - peakBefore, 64 * 1024) << "kilobytes";

  std::filesystem::remove_all(std::filesystem::path(padded).parent_path());
  std::filesystem::remove_all(std::filesystem::path(zeros).parent_path());
}

TEST(DamagedLogbook, FilesThatAreNoLogbookEndTheReadWithoutChangingTheStore) {
  std::string png("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\0\0\x01\0\0\0\x01\0\x08\x06\0\0\0", 29);
  std::mt19937 random(7);
  while (png.size() < 200000) png += static_cast<char>(random());
  std::string text;
  while (text.size() < 100000) text += "Dear diary, today we dived the wreck again.\r\n";
  const std::pair<const char*, std::string> cases[] = {
      {"picture.png", png},
      {"notes.txt", text},
      {"empty.log", ""},
      {"five-bytes.log", "\x01\x02\x03\x04\x05"},
      {"header-only.log", std::string("\0\0\0\0\0\0\x05\0\0\0\0\0", 12)}};
  for (const auto& [name, bytes] : cases) {
    Logbook book;
    book.Dives.resize(3);
    const ReadOutcome outcome = ReadLogbook(book, test::WriteTempFile(name, bytes));
    EXPECT_EQ(outcome.Status, ReadStatus::Damaged) << name;
    EXPECT_EQ(book.DiveCount(), 3) << name;
    EXPECT_NE(
        StatusText(book.DiveCount(), outcome).find("3 dives read. The last file is damaged: "),
        std::string::npos)
        << name;
  }
}

}  // namespace
}  // namespace scrb
