#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "charts/Rgb.h"

namespace scrb {

// Every colour a chart or a printed page uses, by what it marks. Chart routines take one as
// they take the unit system, so a picture never mixes two appearances; paper always gets
// Classic().
struct Palette {
  Rgb Background;
  Rgb Text;
  Rgb Grid;
  Rgb Data;          // a data line without an alarm flag, and a statistics chart's first series
  Rgb Alarm;         // a data segment after a flagged sample, and the alarm strip's alarm marks
  Rgb Event;         // the alarm strip's deco and tx marks
  Rgb SecondSeries;  // a statistics chart's second series
  Rgb FirstRiser;    // a step line's riser before its first level
  Rgb TwentyMetre;
  Rgb FortyMetre;
  Rgb ZeroSpeed;
  Rgb AscentLimit;
  Rgb CriticalLevel;  // 100 % over-saturation
  Rgb PageRule;
  Rgb Warning;  // a warning in words beside a chart
  // Drawn under the tissue lines that are too light for the background; none where every tissue
  // colour stands out by itself.
  std::optional<Rgb> TissueOutline;
  // One per tissue, tissue 1 first; a model's 16th slot is never drawn.
  std::array<Rgb, 16> Tissues;
  // One per dive compared, first dive first; chosen so that divers with any common colour
  // blindness still tell every pair apart, and that each stands out from the background.
  std::array<Rgb, 6> ComparedDives;
  // The thinnest line in device-independent pixels at 96 dpi; thicker than 1 it grows with the
  // screen's resolution.
  int ThinnestLine = 1;
  // The second series' colour in the words of a chart's title (English, in the "Statistics"
  // context of the catalogues), so that a title names the colour drawn.
  const char* SecondSeriesName = "";

  static const Palette& Classic();
  static const Palette& Dark();
  static const Palette& HighContrast();

  Rgb Tissue(int tissue) const { return Tissues[static_cast<size_t>(tissue) % Tissues.size()]; }
  Rgb ComparedDive(int dive) const {
    return ComparedDives[static_cast<size_t>(dive) % ComparedDives.size()];
  }
  // The colour a sample's event flags give a data line.
  Rgb ForFlags(int flags) const;
  // Whether a tissue line of this colour is drawn over the outline.
  bool NeedsOutline(Rgb color) const;
};

// The palettes by the names the command line takes: "classic", "dark", "high-contrast".
const Palette* PaletteNamed(std::string_view name);

// WCAG 2.1 relative luminance (0 black .. 1 white) and the contrast ratio of two colours (1..21).
double RelativeLuminance(Rgb color);
double ContrastRatio(Rgb a, Rgb b);

}  // namespace scrb
