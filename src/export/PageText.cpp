#include "export/PageText.h"

#include <algorithm>
#include <cmath>

namespace scrb {

namespace {

constexpr const char* kEllipsis = "\u2026";

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

double TextWidthOn(const ChartSurface& page, const std::string& text) {
  return std::fabs(page.TextWidth(text));
}

size_t FittingBytes(const std::string& text, double width, const ChartSurface& page) {
  size_t fit = 0;
  for (size_t end = 1; end <= text.size(); ++end) {
    if (end < text.size() && IsContinuationByte(text[end])) continue;
    if (TextWidthOn(page, text.substr(0, end)) > width) break;
    fit = end;
  }
  return fit;
}

std::string Elided(const std::string& text, double width, const ChartSurface& page) {
  if (TextWidthOn(page, text) <= width) return text;
  const double ellipsis = TextWidthOn(page, kEllipsis);
  if (ellipsis > width) return {};
  std::string start = text.substr(0, FittingBytes(text, width - ellipsis, page));
  while (!start.empty() && start.back() == ' ') start.pop_back();
  return start + kEllipsis;
}

void PlaceText(std::vector<PlacedText>& texts, const ChartSurface& page, const std::string& text,
               double x, double y, double room) {
  const std::string shown = Elided(text, room, page);
  if (shown.empty()) return;
  texts.push_back({shown, {x, y, TextWidthOn(page, shown), std::fabs(page.TextHeight("Ag"))}});
}

std::vector<std::string> WrappedLines(const std::string& text, double width,
                                      const ChartSurface& page) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    while (start < text.size() && text[start] == ' ') ++start;
    if (start >= text.size()) break;
    const std::string rest = text.substr(start);
    size_t fit = FittingBytes(rest, width, page);
    if (fit >= rest.size()) {
      lines.push_back(rest);
      break;
    }
    // The last blank or hyphen within what fits ends the line; with none, the characters that
    // fit do, and at least one, so that a text always comes to an end.
    size_t end = 0;
    for (size_t i = fit; i > 0; --i) {
      if (rest[i] == ' ' || rest[i - 1] == '-') {
        end = i;
        break;
      }
    }
    if (end == 0) end = std::max<size_t>(fit, 1);
    while (end < rest.size() && IsContinuationByte(rest[end])) ++end;
    std::string line = rest.substr(0, end);
    while (!line.empty() && line.back() == ' ') line.pop_back();
    lines.push_back(line);
    start += end;
  }
  return lines;
}

size_t PlaceWrapped(std::vector<PlacedText>& texts, const ChartSurface& page,
                    const std::string& text, double x, double y, double room, double lineHeight) {
  const std::vector<std::string> lines = WrappedLines(text, room, page);
  const double height = std::fabs(page.TextHeight("Ag"));
  for (size_t n = 0; n < lines.size(); ++n) {
    texts.push_back(
        {lines[n],
         {x, y + static_cast<double>(n) * lineHeight, TextWidthOn(page, lines[n]), height}});
  }
  return lines.size();
}

void PlaceFooter(std::vector<PlacedText>& texts, std::vector<double>& rules,
                 const ChartSurface& page, double footerTop, const std::string& left,
                 const std::string& centre, const std::string& right) {
  rules.push_back(footerTop - kPageGap / 2);
  const double width = page.Width();
  const double third = width / 3;
  PlaceText(texts, page, left, 0, footerTop, third);
  const std::string middle = Elided(centre, third, page);
  PlaceText(texts, page, middle, (width - TextWidthOn(page, middle)) / 2, footerTop, third);
  const std::string end = Elided(right, third, page);
  PlaceText(texts, page, end, width - TextWidthOn(page, end), footerTop, third);
}

void StartPage(ChartSurface& page) {
  page.Cls();
  page.Scale(0, 0, page.Width(), page.Height());
  page.SetDrawWidth(1);
}

void PrintPlaced(ChartSurface& page, const std::vector<PlacedText>& texts,
                 const std::vector<double>& rules) {
  for (const PlacedText& text : texts) {
    page.SetCurrentX(text.Box.Left);
    page.SetCurrentY(text.Box.Top);
    page.Print(text.Text);
  }
  for (const double rule : rules) page.Line(0, rule, page.Width(), rule, PaperPalette().PageRule);
}

}  // namespace scrb
