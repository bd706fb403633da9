#include "charts/Palette.h"

#include <algorithm>
#include <cmath>

#include "charts/ChartSurface.h"
#include "logbook/SampleAccess.h"
#include "logbook/Translation.h"

namespace scrb {

namespace {

// The colours the program has always drawn on white; the printed report keeps them.
constexpr Palette kClassic{
    .Background = {255, 255, 255},
    .Text = {0, 0, 0},
    .Grid = {192, 192, 192},
    .Data = {64, 64, 255},
    .Alarm = {255, 64, 64},
    .Event = {255, 128, 64},
    .SecondSeries = {230, 130, 0},
    .FirstRiser = {0, 0, 0},
    .TwentyMetre = {64, 255, 64},
    .FortyMetre = {255, 64, 64},
    .ZeroSpeed = {64, 255, 64},
    .AscentLimit = {255, 64, 64},
    .CriticalLevel = {255, 64, 64},
    .PageRule = {128, 128, 128},
    .Warning = {176, 0, 0},
    .TissueOutline = Rgb{80, 80, 80},
    .Tissues = {{{255, 64, 64},
                 {255, 255, 64},
                 {64, 255, 64},
                 {255, 64, 255},
                 {64, 64, 255},
                 {240, 240, 240},
                 {128, 128, 128},
                 {64, 64, 64},
                 {160, 160, 160},
                 {96, 96, 96},
                 {128, 64, 64},
                 {128, 128, 64},
                 {64, 128, 64},
                 {128, 64, 128},
                 {64, 64, 128},
                 {}}},
    // Okabe and Ito's set for colour-blind readers, with brown for their orange and sky blue,
    // which are too light for white paper.
    .ComparedDives =
        {{{0, 114, 178}, {213, 94, 0}, {0, 158, 115}, {204, 121, 167}, {0, 0, 0}, {110, 70, 20}}},
    .SecondSeriesName = SCRB_TRANSLATE_NOOP("Statistics", "orange"),
};

// The classic hues lightened for a near-black ground; the greys keep their order of lightness.
constexpr Palette kDark{
    .Background = {30, 32, 36},
    .Text = {230, 230, 230},
    .Grid = {72, 74, 80},
    .Data = {120, 150, 255},
    .Alarm = {255, 110, 110},
    .Event = {255, 170, 90},
    .SecondSeries = {255, 170, 60},
    .FirstRiser = {230, 230, 230},
    .TwentyMetre = {100, 230, 100},
    .FortyMetre = {255, 110, 110},
    .ZeroSpeed = {100, 230, 100},
    .AscentLimit = {255, 110, 110},
    .CriticalLevel = {255, 110, 110},
    .PageRule = {150, 150, 150},
    .Warning = {255, 140, 140},
    .TissueOutline = std::nullopt,
    .Tissues = {{{255, 110, 110},
                 {240, 230, 90},
                 {100, 230, 100},
                 {240, 120, 240},
                 {130, 150, 255},
                 {245, 245, 245},
                 {176, 176, 176},
                 {110, 110, 110},
                 {210, 210, 210},
                 {142, 142, 142},
                 {215, 140, 120},
                 {190, 190, 110},
                 {120, 190, 140},
                 {200, 150, 220},
                 {140, 170, 230},
                 {230, 230, 230}}},
    // The same set's light members for a dark ground, near white for black.
    .ComparedDives = {{{86, 180, 233},
                       {230, 159, 0},
                       {20, 210, 150},
                       {240, 228, 66},
                       {245, 245, 245},
                       {220, 130, 180}}},
    .SecondSeriesName = SCRB_TRANSLATE_NOOP("Statistics", "orange"),
};

// The classic hues darkened until each stands out from white as text does.
constexpr Palette kHighContrast{
    .Background = {255, 255, 255},
    .Text = {0, 0, 0},
    // Light enough that no tissue line is mistaken for it, dark enough to be seen.
    .Grid = {140, 140, 140},
    .Data = {0, 0, 220},
    .Alarm = {200, 0, 0},
    .Event = {160, 70, 0},
    .SecondSeries = {160, 70, 0},
    .FirstRiser = {0, 0, 0},
    .TwentyMetre = {0, 125, 0},
    .FortyMetre = {200, 0, 0},
    .ZeroSpeed = {0, 125, 0},
    .AscentLimit = {200, 0, 0},
    .CriticalLevel = {200, 0, 0},
    .PageRule = {90, 90, 90},
    .Warning = {176, 0, 0},
    .TissueOutline = std::nullopt,
    // Five greys dark enough for white cannot be told apart on a two-pixel line: the classic
    // greys keep one grey and black, and the rest take hues that none of their neighbours has.
    // Neighbours differ in lightness too, so that divers with a colour vision defect still tell
    // them apart.
    .Tissues = {{{200, 0, 0},
                 {85, 105, 60},
                 {0, 135, 0},
                 {180, 0, 180},
                 {0, 0, 230},
                 {96, 96, 96},
                 {0, 115, 130},
                 {0, 0, 0},
                 {175, 75, 0},
                 {110, 60, 210},
                 {130, 40, 20},
                 {125, 110, 30},
                 {30, 90, 50},
                 {150, 60, 160},
                 {30, 40, 120},
                 {0, 0, 0}}},
    // The classic set darkened until each line stands out from white as text does.
    .ComparedDives =
        {{{0, 90, 170}, {190, 60, 0}, {0, 120, 90}, {170, 60, 140}, {0, 0, 0}, {100, 60, 10}}},
    .ThinnestLine = 2,
    // Orange dark enough to stand out from white as text does is brown.
    .SecondSeriesName = SCRB_TRANSLATE_NOOP("Statistics", "brown"),
};

double Linear(int channel) {
  const double c = std::clamp(channel, 0, 255) / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

const Palette& Palette::Classic() {
  return kClassic;
}
const Palette& Palette::Dark() {
  return kDark;
}
const Palette& Palette::HighContrast() {
  return kHighContrast;
}

Rgb Palette::ForFlags(int flags) const {
  return IsAlarm(flags) ? Alarm : Data;
}

bool Palette::NeedsOutline(Rgb color) const {
  if (!TissueOutline) return false;
  // Perceived brightness; above this a colour has too little contrast against white.
  constexpr double kLightest = 170;
  return 0.299 * color.R + 0.587 * color.G + 0.114 * color.B > kLightest;
}

const Palette* PaletteNamed(std::string_view name) {
  if (name == "classic") return &kClassic;
  if (name == "dark") return &kDark;
  if (name == "high-contrast") return &kHighContrast;
  return nullptr;
}

double RelativeLuminance(Rgb color) {
  return 0.2126 * Linear(color.R) + 0.7152 * Linear(color.G) + 0.0722 * Linear(color.B);
}

double ContrastRatio(Rgb a, Rgb b) {
  const double first = RelativeLuminance(a);
  const double second = RelativeLuminance(b);
  return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

}  // namespace scrb
