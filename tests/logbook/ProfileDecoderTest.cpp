#include <gtest/gtest.h>

#include <algorithm>

#include "logbook/LogbookReader.h"
#include "logbook/ProfileDecoder.h"
#include "support/LogbookBuilder.h"

using namespace std::string_literals;

namespace scrb {
namespace {

DiveRecord Decoded(const std::string& bytes, int modelCode = 0) {
  DiveRecord dive;
  dive.DiveFooter = std::string(12, '\0');
  dive.DiveFooter[4] = static_cast<char>(modelCode);
  dive.ProfileData = bytes;
  dive.ProfileLength = static_cast<int32_t>(bytes.size());
  DecodeProfile(dive);
  return dive;
}

TEST(DecodeProfile, PaddedBlockOfTwentyNineBytesHoldsTwoSamplesWithoutStatusShorterOnesNone) {
  // Header, padding, two samples, then a lone byte.
  const DiveRecord dive = Decoded(std::string(22, '\x11') + "\0\0\x40\x80\xFF\xFF\x07"s);
  ASSERT_EQ(dive.SampleCount, 2);
  EXPECT_DOUBLE_EQ(dive.SampleDepth[0], 40.3125);
  EXPECT_DOUBLE_EQ(dive.SampleDepth[1], 159.84375);
  EXPECT_EQ(dive.SampleFlags[1], 63);
  for (size_t length : {0, 21, 25}) EXPECT_EQ(Decoded(std::string(length, '\0')).SampleCount, 0);
}

TEST(DecodeProfile, StatusByteBelongsToEveryThirdSample) {
  // Three samples, status 0x9A, one more sample and a lone byte: 32 bytes.
  const DiveRecord dive =
      Decoded(std::string(22, '\x11') + "\x05\x00\x06\x00\x07\x00\x9A\x08\x00\x01"s);
  ASSERT_EQ(dive.SampleCount, 4);
  EXPECT_EQ(std::vector<int>(dive.SampleStatus.begin(), dive.SampleStatus.begin() + 5),
            (std::vector<int>{-1, -1, 0x9A, -1, -1}));
  EXPECT_DOUBLE_EQ(dive.SampleDepth[4], 0.0);  // the entry behind the last sample stays 0

  // A status byte that is the block's very last byte is ignored.
  test::ProfileBuilder profile;
  profile.Samples = test::ProfileBuilder::FromDepths({3, 6, 9, 12, 15, 18});
  profile.Status = {0x11, 0x22};
  EXPECT_EQ(Decoded(profile.Bytes()).SampleStatus[5], 0);
}

std::vector<int> Status(const DiveRecord& dive, size_t count) {
  return {dive.SampleStatus.begin(), dive.SampleStatus.begin() + static_cast<long>(count)};
}

// Seven samples and two status bytes in the layout of each model code: the same depths, flags
// and statuses come out of every one. The codes at the edges of each range are the ones to get
// wrong; anything outside both ranges is an earlier model, padded or not.
TEST(DecodeProfile, TheModelCodeChoosesTheLayout) {
  const std::vector<double> depths{3.125, 9.375, 15.625, 18.75, 12.5, 6.25, 1.5625};
  struct Case {
    int ModelCode;
    bool Padding;
    size_t FirstSample;
  };
  for (const Case& c : {Case{0x00, false, 22}, Case{0x00, true, 24}, Case{0x9F, true, 24},
                        Case{0xB0, false, 22}, Case{0xEF, false, 22}, Case{0xA0, false, 25},
                        Case{0xAF, false, 25}, Case{0xF0, false, 24}, Case{0xFF, false, 24}}) {
    SCOPED_TRACE(c.ModelCode);
    test::ProfileBuilder profile;
    profile.Samples = test::ProfileBuilder::FromDepths(depths, {0, 1, 2, 4, 8, 16, 32});
    profile.Status = {0x9A, 0x2B};
    profile.Padding = c.Padding;
    profile.ModelCode = c.ModelCode;
    const std::string bytes = profile.Bytes();
    ASSERT_EQ(bytes[c.FirstSample], '\x05');  // the first sample (raw depth 20) starts there
    const DiveRecord dive = Decoded(bytes, c.ModelCode);
    ASSERT_EQ(dive.SampleCount, 7);
    EXPECT_EQ(std::vector<double>(dive.SampleDepth.begin(), dive.SampleDepth.begin() + 7), depths);
    EXPECT_EQ(dive.SampleFlags[6], 32);
    EXPECT_EQ(Status(dive, 9), (std::vector<int>{-1, -1, 0x9A, -1, -1, 0x2B, -1, -1, 0}));
  }
}

// How an oxygen-capable model's block may end: right after a two-byte group, inside one, or
// before its first sample.
TEST(DecodeProfile, TwoByteStatusGroupsAtTheEndOfTheBlock) {
  test::ProfileBuilder profile;
  profile.ModelCode = 0xA4;
  profile.Samples = test::ProfileBuilder::FromDepths({5, 10, 15, 20, 15, 10});
  profile.Status = {0x10, 0x38};
  const std::string whole = profile.Bytes();
  ASSERT_EQ(whole.size(), 41u);

  const DiveRecord complete = Decoded(whole, 0xA4);
  ASSERT_EQ(complete.SampleCount, 6);
  EXPECT_EQ(Status(complete, 8), (std::vector<int>{-1, -1, 0x10, -1, -1, 0x38, -1, -1}));

  // Without its second byte the last status byte is not read, and never taken for a sample.
  const DiveRecord cut = Decoded(whole.substr(0, 40), 0xA4);
  ASSERT_EQ(cut.SampleCount, 6);
  EXPECT_DOUBLE_EQ(cut.SampleDepth[5], 10);
  EXPECT_EQ(Status(cut, 7), (std::vector<int>{-1, -1, 0x10, -1, -1, 0, 0}));

  for (size_t length : {24, 25, 26})
    EXPECT_EQ(Decoded(whole.substr(0, length), 0xA4).SampleCount, 0);
  EXPECT_EQ(Decoded(whole.substr(0, 27), 0xA4).SampleCount, 1);
  EXPECT_EQ(Decoded(std::string(25, '\x11'), 0xF1).SampleCount, 0);
}

// The check a diver makes: a later computer logs its maximum depth to the centimetre, so its
// deepest sample lies within a sample's resolution of it. The example logbook holds such a dive.
TEST(DecodeProfile, TheDeepestSampleOfALaterModelIsItsMaximumDepth) {
  std::vector<DiveRecord> dives;
  ParseLogbook(test::SampleLogbook(), dives);
  int later = 0;
  for (DiveRecord& dive : dives) {
    if (ModelCode(dive) < 0xA0 || (ModelCode(dive) > 0xAF && ModelCode(dive) < 0xF0)) continue;
    SCOPED_TRACE(dive.DiveNumber);
    ++later;
    DecodeProfile(dive);
    ASSERT_GT(dive.SampleCount, 30);
    EXPECT_NEAR(
        *std::max_element(dive.SampleDepth.begin(), dive.SampleDepth.begin() + dive.SampleCount),
        dive.MaxDepth, 0.16);
    // A status byte in every minute, the last one included.
    EXPECT_EQ(dive.SampleCount % 3, 0);
    for (int i = 2; i < dive.SampleCount; i += 3)
      EXPECT_GT(dive.SampleStatus[static_cast<size_t>(i)], 0) << i;
  }
  EXPECT_EQ(later, 1);
}

}  // namespace
}  // namespace scrb
