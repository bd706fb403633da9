#include <gtest/gtest.h>

#include <algorithm>

#include "logbook/LogbookReader.h"
#include "logbook/ProfileDecoder.h"
#include "report/NumberFormat.h"
#include "support/LogbookBuilder.h"

using namespace std::string_literals;

namespace scrb {
namespace {

using test::ProfileBuilder;

// Each sample and the entry behind the last one as "depth", then "f" and the flags where set and
// "/" and the status where one is stored (not -1): "3.125 4.375f2/154 0".
std::string Decoded(const std::string& bytes, int modelCode = 0) {
  DiveRecord dive;
  dive.DiveFooter = ProfileBuilder{.ModelCode = modelCode}.Footer();
  dive.ProfileData = bytes;
  dive.ProfileLength = static_cast<int32_t>(bytes.size());
  const DecodedProfile profile = DecodeProfile(dive);
  std::string text;
  for (size_t i = 0; profile.SampleCount > 0 && i <= static_cast<size_t>(profile.SampleCount); ++i) {
    text += (i == 0 ? "" : " ") + GeneralNumber(profile.SampleDepth[i]);
    if (profile.SampleFlags[i] != 0) text += "f" + GeneralNumber(profile.SampleFlags[i]);
    if (profile.SampleStatus[i] != -1) text += "/" + GeneralNumber(profile.SampleStatus[i]);
  }
  return text;
}

TEST(DecodeProfile, BlocksOfTheEarlierModels) {
  const std::string header(22, '\x11');
  // Padding, two samples without a status, then a lone byte.
  EXPECT_EQ(Decoded(header + "\0\0\x40\x80\xFF\xFF\x07"s), "40.3125/0 159.84375f63/0 0/0");
  // Three samples, status 0x9A, one more sample, a lone byte.
  EXPECT_EQ(Decoded(header + "\x05\x00\x06\x00\x07\x00\x9A\x08\x00\x01"s),
            "3.125 3.75 4.375/154 5 0");
  for (size_t length : {0, 21, 25}) EXPECT_EQ(Decoded(std::string(length, '\0')), "") << length;
  // A status byte that is the block's very last byte is not read.
  ProfileBuilder profile{.Samples = ProfileBuilder::FromDepths({3, 6, 9, 12, 15, 18}),
                         .Status = {0x11, 0x22}};
  EXPECT_EQ(Decoded(profile.Bytes()), "2.96875 5.9375 8.90625/17 11.875 15 17.96875/0 0/0");
}

// Seven samples and two status bytes in the layout of each model code: the same depths, flags
// and statuses come out of every one. The codes at the edges of each range are the ones to get
// wrong; anything outside both ranges is an earlier model, padded or not.
TEST(DecodeProfile, TheModelCodeChoosesTheLayout) {
  const std::vector<double> depths{3.125, 9.375, 15.625, 18.75, 12.5, 6.25, 1.5625};
  const std::tuple<int, bool, size_t> cases[] = {
      {0x00, false, 22}, {0x00, true, 24},  {0x9F, true, 24},  {0xB0, false, 22}, {0xEF, false, 22},
      {0xA0, false, 25}, {0xAF, false, 25}, {0xF0, false, 24}, {0xFF, false, 24}};
  for (const auto& [model, padding, firstSample] : cases) {
    SCOPED_TRACE(model);
    const ProfileBuilder profile{
        .Samples = ProfileBuilder::FromDepths(depths, {0, 1, 2, 4, 8, 16, 32}),
        .Status = {0x9A, 0x2B},
        .Padding = padding,
        .ModelCode = model};
    const std::string bytes = profile.Bytes();
    ASSERT_EQ(bytes[firstSample], '\x05');  // raw depth 20 starts there
    EXPECT_EQ(Decoded(bytes, model),
              "3.125 9.375f1 15.625f2/154 18.75f4 12.5f8 6.25f16/43 1.5625f32 0");
  }
}

// How an oxygen-capable model's block may end: right after a two-byte group, inside one, or
// before its first sample.
TEST(DecodeProfile, TwoByteStatusGroupsAtTheEndOfTheBlock) {
  const std::string whole =
      ProfileBuilder{.Samples = ProfileBuilder::FromDepths({5, 10, 15, 20, 15, 10}),
                     .Status = {0x10, 0x38},
                     .ModelCode = 0xA4}
          .Bytes();
  ASSERT_EQ(whole.size(), 41u);
  EXPECT_EQ(Decoded(whole, 0xA4), "5 10 15/16 20 15 10/56 0");
  // Without its second byte the last status byte is not read, and never taken for a sample.
  EXPECT_EQ(Decoded(whole.substr(0, 40), 0xA4), "5 10 15/16 20 15 10/0 0/0");
  for (size_t length : {24, 25, 26}) EXPECT_EQ(Decoded(whole.substr(0, length), 0xA4), "");
  EXPECT_EQ(Decoded(whole.substr(0, 27), 0xA4), "5/0 0/0");
  EXPECT_EQ(Decoded(std::string(25, '\x11'), 0xF1), "");
}

// The check a diver makes: the later computers log MaxDepth to the centimetre, so the deepest
// sample of their dives lies within a sample's resolution of it.
TEST(DecodeProfile, TheDeepestSampleOfALaterModelIsItsMaximumDepth) {
  std::vector<DiveRecord> dives;
  ParseLogbook(test::SampleLogbook(), dives);
  int later = 0;
  for (const DiveRecord& dive : dives) {
    const int code = ModelCode(dive);
    if (code < 0xA0 || (code > 0xAF && code < 0xF0)) continue;
    ++later;
    const DecodedProfile profile = DecodeProfile(dive);
    ASSERT_GT(profile.SampleCount, 30);
    EXPECT_NEAR(*std::max_element(profile.SampleDepth.begin(),
                                  profile.SampleDepth.begin() + profile.SampleCount),
                dive.MaxDepth, 0.16)
        << dive.DiveNumber;
  }
  EXPECT_EQ(later, 1);
}

}  // namespace
}  // namespace scrb
