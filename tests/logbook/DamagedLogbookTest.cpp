// A real-looking logbook damaged every way a disk, a download or a wrong file choice can damage
// it: only complete dives are ever kept, and what was loaded before is never lost.

#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

#include <algorithm>
#include <filesystem>
#include <random>

#include "logbook/LogbookReader.h"
#include "support/LogbookBuilder.h"

namespace scrb {
namespace {

TEST(DamagedLogbook, CutAtEveryOffsetKeepsExactlyTheDivesBeforeTheCut) {
  const std::string sample = test::SampleLogbook();
  std::vector<DiveRecord> whole;
  ParseLogbook(sample, whole);
  std::vector<size_t> ends{12};  // where the header and then each entry end
  for (const DiveRecord& d : whole) {
    ends.push_back(ends.back() + 52 +
                   static_cast<size_t>(d.LocationLength + d.SiteLength + d.OtherActivitiesLength +
                                       d.PartnersLength + d.CommentLength + d.ProfileLength));
  }
  ASSERT_EQ(ends.size(), 27u);
  ASSERT_EQ(ends.back(), sample.size());
  for (size_t cut = 0; cut < sample.size(); ++cut) {
    SCOPED_TRACE(cut);
    std::vector<DiveRecord> dives;
    const ReadOutcome outcome = ParseLogbook(std::string_view(sample).substr(0, cut), dives);
    const auto complete = static_cast<size_t>(std::ranges::upper_bound(ends, cut) - ends.begin());
    const size_t kept = complete == 0 ? 0 : complete - 1;
    ASSERT_EQ(dives.size(), kept);
    ASSERT_EQ(outcome.DivesRead, static_cast<int>(kept));
    ASSERT_TRUE(kept == 0 || dives.back().ProfileData == whole[kept - 1].ProfileData);
    ASSERT_EQ(outcome.Status, ReadStatus::Damaged);
    if (cut >= 12) {
      ASSERT_EQ(outcome.StopOffset, ends[kept]);
    }
  }
}

TEST(DamagedLogbook, FlippedBytesGiveOnlyCompleteDivesAndKeepTheLoadedOnes) {
  const std::string sample = test::SampleLogbook();
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE(seed);
    std::mt19937 random(seed);
    std::string bytes = sample;
    for (int f = 1 + static_cast<int>(random() % 12); f > 0; --f)
      bytes[random() % bytes.size()] ^= static_cast<char>(1 + random() % 255);
    std::vector<DiveRecord> dives(1);
    dives[0].DiveNumber = 999;
    const ReadOutcome outcome = ParseLogbook(bytes, dives);
    ASSERT_EQ(dives.size(), 1u + static_cast<size_t>(outcome.DivesRead));
    ASSERT_EQ(dives[0].DiveNumber, 999) << "a dive loaded before survives";
  }
}

long PeakResidentKilobytes() {
#ifdef _WIN32
  PROCESS_MEMORY_COUNTERS counters{};
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return static_cast<long>(counters.PeakWorkingSetSize / 1024);
#else
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
#endif
}

TEST(DamagedLogbook, HugeFilesAreReadOnlyAsFarAsTheirDivesCanReach) {
  const long peakBefore = PeakResidentKilobytes();
  // Hundreds of megabytes behind the logbook, sparse so that they take no disk space.
  const std::string padded = test::WriteTempFile("padded.log", test::SampleLogbook());
  std::filesystem::resize_file(padded, 600ull << 20);
  Logbook book;
  EXPECT_EQ(ReadLogbook(book, padded).Status, ReadStatus::Ok);
  EXPECT_EQ(book.DiveCount(), 26);
  EXPECT_LT(PeakResidentKilobytes() - peakBefore, 64 * 1024) << "kilobytes";
  std::filesystem::remove_all(std::filesystem::path(padded).parent_path());
}

TEST(DamagedLogbook, AFileThatIsNoLogbookEndsTheReadWithoutChangingTheStore) {
  std::string png("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\0\0\x01\0\0\0\x01\0\x08\x06\0\0\0", 29);
  std::mt19937 random(7);
  while (png.size() < 200000) png += static_cast<char>(random());
  Logbook book;
  book.Dives = std::vector<DiveRecord>(3);
  const ReadOutcome outcome = ReadLogbook(book, test::WriteTempFile("picture.png", png));
  EXPECT_EQ(outcome.Status, ReadStatus::Damaged);
  EXPECT_TRUE(HoldsNoReadableDive(outcome));
  EXPECT_EQ(book.DiveCount(), 3);
}

}  // namespace
}  // namespace scrb
