// Writes the seed corpus of the fuzz targets: the example logbook and small logbooks built byte by
// byte for the cases a reader and the computations behind it must survive. The output is the
// same on every run.
//
// Usage: fuzz_make_corpus CORPUS_DIR examples/sample.log

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "support/LogbookBuilder.h"

namespace {

using scrb::test::BuildLogbook;
using scrb::test::EntryBuilder;
using scrb::test::ProfileBuilder;
using scrb::test::RawSample;

// A square-ish dive to `depth` metres lasting `minutes`, with air levels that climb over the dive
// so that the air model finds an estimate, and a few alarm and event flags.
ProfileBuilder Dive(double depth, int minutes, bool padding) {
  ProfileBuilder profile;
  profile.Padding = padding;
  const int samples = minutes * 3;
  for (int k = 0; k < samples; ++k) {
    const double t = (k + 1) / 3.0;
    double d = std::min({depth, t * 18, (minutes - t) * 9});
    if (d < 0) d = 0;
    RawSample s;
    s.RawDepth = static_cast<int>(d * 1024 / 160);
    s.Flags = (k % 37 == 5) ? 16 : (k % 53 == 7 ? 1 : 0);
    profile.Samples.push_back(s);
  }
  for (int g = 0; g < minutes; ++g)
    profile.Status.push_back(((g * 7 / minutes) << 4) | (g % 11 == 3 ? 1 : 0) |
                             (g % 13 == 4 ? 2 : 0));
  return profile;
}

EntryBuilder Entry(int number, const ProfileBuilder& profile) {
  EntryBuilder e;
  e.DiveNumber = number;
  e.Profile = profile.Bytes();
  e.MaxDepth = 3000;
  e.AirConsumption = 15000;
  return e;
}

std::map<std::string, std::string> Seeds(const std::string& sample) {
  std::map<std::string, std::string> seeds;
  seeds["sample.log"] = sample;
  seeds["worked-example.log"] = BuildLogbook({EntryBuilder{}});
  seeds["no-dives.log"] = BuildLogbook({}, 0);
  seeds["dive-90min.log"] = BuildLogbook({Entry(12, Dive(30, 90, false))});
  seeds["dive-padded.log"] = BuildLogbook({Entry(13, Dive(45, 40, true))});

  EntryBuilder texts = Entry(14, Dive(18, 20, false));
  texts.Location =
      "Gen\x8a"
      "ve";
  texts.Site =
      "Br\x81"
      "cke";
  texts.Comment = std::string("\x82\x9b\xff ok", 6);
  texts.Partners = "Ann, Bob";
  texts.AltitudeClass = 5;
  texts.DiveNumber = -12345;
  seeds["texts.log"] = BuildLogbook({texts, Entry(15, Dive(10, 12, false))});

  EntryBuilder odd = Entry(16, Dive(12, 9, false));
  odd.AltitudeClass = 9;
  odd.TankCapacity = 0x7FFF;
  odd.AirConsumption = 0x7FFF;
  odd.DivingTimeMinutes = 0x7FFF;
  odd.DayCount = 0xFFFFFF;
  seeds["odd-values.log"] = BuildLogbook({odd});

  EntryBuilder tiny = Entry(17, ProfileBuilder{});
  tiny.Profile = std::string(29, '\x11');
  tiny.Profile[22] = 0;
  EntryBuilder lastStatus = Entry(18, ProfileBuilder{});
  lastStatus.Profile = std::string(32, '\x20');
  seeds["short-profiles.log"] = BuildLogbook({tiny, lastStatus});

  const std::string three = BuildLogbook(
      {Entry(1, Dive(20, 30, false)), Entry(2, Dive(25, 35, true)), Entry(3, Dive(8, 15, false))});
  seeds["truncated.log"] = three.substr(0, three.size() - 40);
  seeds["count-too-high.log"] = BuildLogbook({Entry(4, Dive(20, 30, false))}, 5);
  EntryBuilder negative = Entry(5, Dive(20, 5, false));
  negative.ProfileLengthOverride = 0x9000;
  seeds["negative-profile-length.log"] = BuildLogbook({Entry(6, Dive(15, 10, false)), negative});

  // The later computers' layouts, chosen by the model code in the footer: an oxygen-capable
  // model's whole block, one cut inside its last status group, and a nitrox model's.
  std::vector<EntryBuilder> later;
  for (const int model : {0xA4, 0xA4, 0xF2}) {
    ProfileBuilder profile = Dive(28, 25, false);
    profile.ModelCode = model;
    EntryBuilder e = Entry(19 + static_cast<int>(later.size()), profile);
    e.DiveFooter = profile.Footer();
    if (later.size() == 1) e.Profile.pop_back();
    later.push_back(e);
  }
  seeds["later-models.log"] = BuildLogbook(later);

  // Logbooks of odd values, texts and model codes from the builder's fixed seeds.
  for (uint32_t seed = 1; seed <= 6; ++seed)
    seeds["random-" + std::to_string(seed) + ".log"] = scrb::test::RandomLogbook(seed);
  return seeds;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: fuzz_make_corpus CORPUS_DIR SAMPLE.log\n";
    return 1;
  }
  std::ifstream in(argv[2], std::ios::binary);
  const std::string sample{std::istreambuf_iterator<char>(in), {}};
  if (sample.empty()) {
    std::cerr << "cannot read " << argv[2] << "\n";
    return 1;
  }
  for (const char* target : {"reader", "profile", "air", "saturation", "charts", "report",
                             "session", "uddf", "reportpage"}) {
    const auto folder = std::filesystem::path(argv[1]) / target;
    std::filesystem::create_directories(folder);
    for (const auto& [name, bytes] : Seeds(sample)) {
      std::ofstream out(folder / name, std::ios::binary);
      out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
  }
  return 0;
}
