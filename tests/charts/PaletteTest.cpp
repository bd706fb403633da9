#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "charts/Palette.h"

namespace scrb {
namespace {

// CIE L*a*b* (D65), for how far apart two colours look.
struct Lab {
  double L, A, B;
};

double Channel(int c) {
  const double v = c / 255.0;
  return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

Lab ToLab(Rgb c) {
  const double r = Channel(c.R), g = Channel(c.G), b = Channel(c.B);
  const double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047;
  const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
  const double z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
  const auto f = [](double t) {
    return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116;
  };
  return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

double DeltaE(Rgb a, Rgb b) {
  const Lab p = ToLab(a), q = ToLab(b);
  return std::hypot(p.L - q.L, p.A - q.A, p.B - q.B);
}

double Chroma(Rgb c) {
  const Lab p = ToLab(c);
  return std::hypot(p.A, p.B);
}

double Hue(Rgb c) {
  const Lab p = ToLab(c);
  return std::atan2(p.B, p.A) * 180 / std::numbers::pi;
}

double HueDistance(double a, double b) {
  const double d = std::fmod(std::fabs(a - b), 360.0);
  return std::min(d, 360 - d);
}

constexpr int kTissues = 15;  // the most any model has

struct Named {
  const char* Name;
  Rgb Color;
};

std::vector<Named> Series(const Palette& p) {
  std::vector<Named> series = {{"data", p.Data},
                               {"alarm", p.Alarm},
                               {"event", p.Event},
                               {"second series", p.SecondSeries},
                               {"first riser", p.FirstRiser},
                               {"20 m", p.TwentyMetre},
                               {"40 m", p.FortyMetre},
                               {"zero speed", p.ZeroSpeed},
                               {"ascent limit", p.AscentLimit},
                               {"critical level", p.CriticalLevel}};
  for (int t = 0; t < kTissues; ++t) series.push_back({"tissue", p.Tissue(t)});
  return series;
}

// The worked examples of the contrast ratio: black on white is 21:1, a colour on itself 1:1, and
// the figures the reports of unreadable charts quoted.
TEST(Palette, ContrastRatioOfKnownPairs) {
  const Rgb white{255, 255, 255};
  EXPECT_NEAR(ContrastRatio({0, 0, 0}, white), 21, 1e-9);
  EXPECT_NEAR(ContrastRatio(white, {0, 0, 0}), 21, 1e-9);
  EXPECT_NEAR(ContrastRatio({64, 255, 64}, {64, 255, 64}), 1, 1e-9);
  EXPECT_NEAR(ContrastRatio({64, 255, 64}, white), 1.35, 0.01);
  EXPECT_NEAR(ContrastRatio({255, 255, 64}, white), 1.07, 0.01);
  EXPECT_NEAR(ContrastRatio({230, 130, 0}, white), 2.8, 0.05);
  EXPECT_NEAR(ContrastRatio({255, 128, 64}, white), 2.5, 0.05);
  EXPECT_NEAR(RelativeLuminance({128, 128, 128}), 0.2159, 1e-4);
}

TEST(Palette, DarkBackgroundTextSeriesAndGrid) {
  const Palette& p = Palette::Dark();
  EXPECT_LT(RelativeLuminance(p.Background), 0.1);
  EXPECT_GE(ContrastRatio(p.Text, p.Background), 4.5);
  EXPECT_GE(ContrastRatio(p.Warning, p.Background), 4.5);
  const double grid = ContrastRatio(p.Grid, p.Background);
  for (const Named& s : Series(p)) {
    SCOPED_TRACE(s.Name);
    EXPECT_GE(ContrastRatio(s.Color, p.Background), 3);
    EXPECT_LT(grid, ContrastRatio(s.Color, p.Background));  // the grid stays behind the data
  }
  EXPECT_FALSE(p.TissueOutline);  // every tissue stands out without one
}

TEST(Palette, HighContrastOnWhiteWithVisibleGridAndThickLines) {
  const Palette& p = Palette::HighContrast();
  EXPECT_EQ(p.Background, (Rgb{255, 255, 255}));
  EXPECT_EQ(p.Text, (Rgb{0, 0, 0}));
  for (const Named& s : Series(p)) {
    SCOPED_TRACE(s.Name);
    EXPECT_GE(ContrastRatio(s.Color, p.Background), 4.5);
  }
  EXPECT_GE(ContrastRatio(p.Grid, p.Background), 3);
  EXPECT_EQ(p.ThinnestLine, 2);
}

// Tissue t of every palette must be recognisably tissue t of the classic key, which the printed
// report keeps: a coloured tissue keeps its hue within 30 degrees, a grey stays grey, and the
// greys keep their order from light to dark (save in high contrast, where five greys dark enough
// for white would be near-blacks no one tells apart). And no two tissues of a palette may be
// confused: each pair lies at least 10 CIE76 units apart (about four just-noticeable
// differences; the closest classic pair, two greys, is 12.3 apart).
TEST(Palette, TissuesKeepTheirOrderAndStayDistinguishable) {
  const Palette& classic = Palette::Classic();
  for (const Palette* p : {&Palette::Classic(), &Palette::Dark(), &Palette::HighContrast()}) {
    for (int t = 0; t < kTissues; ++t) {
      SCOPED_TRACE(t + 1);
      const Rgb own = p->Tissue(t);
      const Rgb original = classic.Tissue(t);
      const bool grey = Chroma(original) < 5;
      if (grey && p != &Palette::HighContrast()) {
        EXPECT_LT(Chroma(own), 5);
        for (int u = 0; u < kTissues; ++u) {
          if (Chroma(classic.Tissue(u)) >= 5) continue;
          EXPECT_EQ(ToLab(original).L < ToLab(classic.Tissue(u)).L,
                    ToLab(own).L < ToLab(p->Tissue(u)).L)
              << "grey " << u + 1;
        }
      } else if (!grey) {
        EXPECT_LE(HueDistance(Hue(own), Hue(original)), 30);
      }
      for (int u = t + 1; u < kTissues; ++u) {
        EXPECT_GE(DeltaE(own, p->Tissue(u)), 10) << "against tissue " << u + 1;
      }
    }
  }
}

// What a dichromat sees of a colour: Machado, Oliveira and Fernandes' (2009) matrices for a full
// protan, deutan and tritan defect, applied in linear light.
enum class Vision { Normal, Protan, Deutan, Tritan };

Rgb SeenWith(Rgb c, Vision vision) {
  using Matrix = std::array<std::array<double, 3>, 3>;
  static const Matrix kMatrices[] = {{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}},
                                     {{{0.152286, 1.052583, -0.204868},
                                       {0.114503, 0.786281, 0.099216},
                                       {-0.003882, -0.048116, 1.051998}}},
                                     {{{0.367322, 0.860646, -0.227968},
                                       {0.280085, 0.672501, 0.047413},
                                       {-0.011820, 0.042940, 0.968881}}},
                                     {{{1.255528, -0.076749, -0.178779},
                                       {-0.078411, 0.930809, 0.147602},
                                       {0.004733, 0.691367, 0.303900}}}};
  const Matrix& m = kMatrices[static_cast<int>(vision)];
  const double linear[] = {Channel(c.R), Channel(c.G), Channel(c.B)};
  int out[3];
  for (int i = 0; i < 3; ++i) {
    const double v =
        std::clamp(m[i][0] * linear[0] + m[i][1] * linear[1] + m[i][2] * linear[2], 0.0, 1.0);
    const double encoded = v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
    out[i] = static_cast<int>(std::lround(encoded * 255));
  }
  return {out[0], out[1], out[2]};
}

// Six dives side by side: every pair stays at least 12 CIE76 units apart for a diver with normal
// sight and for one with any of the three dichromacies, and every line stands out from the
// background as a chart's data must (as text must, in the high-contrast palette).
TEST(Palette, ComparedDivesStayApartForColourBlindDivers) {
  for (const Palette* p : {&Palette::Classic(), &Palette::Dark(), &Palette::HighContrast()}) {
    const double contrast = p == &Palette::HighContrast() ? 4.5 : 3;
    for (int d = 0; d < 6; ++d) {
      EXPECT_GE(ContrastRatio(p->ComparedDive(d), p->Background), contrast) << "dive " << d + 1;
      for (const Vision v : {Vision::Normal, Vision::Protan, Vision::Deutan, Vision::Tritan}) {
        for (int e = d + 1; e < 6; ++e) {
          EXPECT_GE(DeltaE(SeenWith(p->ComparedDive(d), v), SeenWith(p->ComparedDive(e), v)), 12)
              << "dives " << d + 1 << " and " << e + 1 << ", vision " << static_cast<int>(v);
        }
      }
    }
  }
}

// In high contrast every tissue line stands apart from the grid and from the tissues numbered
// next to it, whose lines run closest, as the compared dives do: at least 12 CIE76 units for
// normal sight and each dichromacy. The last slot is never drawn.
TEST(Palette, HighContrastTissuesStandApartFromTheGridAndTheirNeighbours) {
  const Palette& p = Palette::HighContrast();
  for (int t = 0; t < kTissues; ++t) {
    SCOPED_TRACE(t + 1);
    for (const Vision v : {Vision::Normal, Vision::Protan, Vision::Deutan, Vision::Tritan}) {
      EXPECT_GE(DeltaE(SeenWith(p.Tissue(t), v), SeenWith(p.Grid, v)), 12) << static_cast<int>(v);
      if (t + 1 < kTissues) {
        EXPECT_GE(DeltaE(SeenWith(p.Tissue(t), v), SeenWith(p.Tissue(t + 1), v)), 12)
            << "against tissue " << t + 2 << ", vision " << static_cast<int>(v);
      }
    }
  }
}

// The light classic tissues, and only they, are outlined so that they show on white.
TEST(Palette, ClassicOutlinesTheLightTissues) {
  const Palette& p = Palette::Classic();
  std::vector<int> outlined;
  for (int t = 0; t < kTissues; ++t) {
    if (p.NeedsOutline(p.Tissue(t))) outlined.push_back(t + 1);
  }
  EXPECT_EQ(outlined, (std::vector<int>{2, 3, 6}));
}

}  // namespace
}  // namespace scrb
