#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "charts/ChartSurface.h"
#include "charts/Palette.h"
#include "charts/RegionSurface.h"

namespace scrb {

// What the printed pages share: their spacing and how a text is fitted into a width.
constexpr double kPageGap = 2.5 * kTwipsPerMillimetre;
constexpr double kPageColumnGap = 6 * kTwipsPerMillimetre;
constexpr double kPageLineSpacing = 1.2;
// Smaller than this, a chart on paper cannot be read and is left out.
constexpr double kSmallestChartTwips = 600;

// Paper keeps the classic colours on white whatever the window shows, so a printed report always
// matches every other report of the same dive.
inline const Palette& PaperPalette() {
  return Palette::Classic();
}

double TextWidthOn(const ChartSurface& page, const std::string& text);

// The length in bytes of the longest start of the text that fits the width, cut between
// characters; 0 when not even the first character fits.
size_t FittingBytes(const std::string& text, double width, const ChartSurface& page);

// The text when it fits; else as much of its start as fits before an ellipsis; nothing when not
// even the ellipsis fits.
std::string Elided(const std::string& text, double width, const ChartSurface& page);

// A line of text and the box it takes on the page.
struct PlacedText {
  std::string Text;
  SurfaceRect Box;
};

// Adds the text at x, y, elided to the room; nothing when not even an ellipsis fits.
void PlaceText(std::vector<PlacedText>& texts, const ChartSurface& page, const std::string& text,
               double x, double y, double room);

// The text in lines that each fit the width: broken after blanks and hyphens, and a word wider
// than the width between its characters. Never cut short; no lines for an empty text.
std::vector<std::string> WrappedLines(const std::string& text, double width,
                                      const ChartSurface& page);

// Adds the text at x, y in as many lines of `lineHeight` as the room asks; returns how many.
size_t PlaceWrapped(std::vector<PlacedText>& texts, const ChartSurface& page,
                    const std::string& text, double x, double y, double room, double lineHeight);

// The footer under its rule: the left text, the centre one centred and the right one ending at
// the right edge, each in a third of the page.
void PlaceFooter(std::vector<PlacedText>& texts, std::vector<double>& rules,
                 const ChartSurface& page, double footerTop, const std::string& left,
                 const std::string& centre, const std::string& right);

// A blank page in its own twips, ready for the texts and charts laid out on it.
void StartPage(ChartSurface& page);
// The texts laid out and the rules across the page between its parts.
void PrintPlaced(ChartSurface& page, const std::vector<PlacedText>& texts,
                 const std::vector<double>& rules);

}  // namespace scrb
