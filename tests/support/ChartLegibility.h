#pragma once

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "charts/Palette.h"
#include "support/RecordingSurface.h"

namespace scrb::test {

struct Rect {
  double Left, Top, Right, Bottom;
  bool Within(const Rect& o, double tolerance) const {
    return Left >= o.Left - tolerance && Top >= o.Top - tolerance && Right <= o.Right + tolerance &&
           Bottom <= o.Bottom + tolerance;
  }
  bool Overlaps(const Rect& o) const {
    return Left < o.Right - 1e-6 && o.Left < Right - 1e-6 && Top < o.Bottom - 1e-6 &&
           o.Top < Bottom - 1e-6;
  }
};

// Every printed text as a rectangle in twips from the surface's upper-left corner, through the
// coordinate system in force when it was printed.
inline std::vector<Rect> LabelRects(const RecordingSurface& s, double charWidth,
                                    double textHeight) {
  std::vector<Rect> rects;
  double x1 = 0, y1 = 0, x2 = s.Width(), y2 = s.Height();
  for (const RecordedOp& op : s.Ops()) {
    if (op.Type == RecordedOp::Kind::Scale) {
      x1 = op.X1, y1 = op.Y1, x2 = op.X2, y2 = op.Y2;
    } else if (op.Type == RecordedOp::Kind::Print) {
      const double left = (op.X1 - x1) / (x2 - x1) * s.Width();
      const double top = (op.Y1 - y1) / (y2 - y1) * s.Height();
      rects.push_back({left, top, left + charWidth * double(op.Text.size()), top + textHeight});
    }
  }
  return rects;
}

// The plot area: what the grid lines span.
inline Rect GridBounds(const RecordingSurface& s) {
  Rect r{1e300, 1e300, -1e300, -1e300};
  for (const RecordedOp& op : s.LinesOf(Palette::Classic().Grid)) {
    r = {std::min({r.Left, op.X1, op.X2}), std::min({r.Top, op.Y1, op.Y2}),
         std::max({r.Right, op.X1, op.X2}), std::max({r.Bottom, op.Y1, op.Y2})};
  }
  return r;
}

// The lines other than the grid; given a pen width, only those drawn with it.
inline std::vector<RecordedOp> NonGridLines(const RecordingSurface& s, int width = 0) {
  std::vector<RecordedOp> lines;
  for (const RecordedOp& op : s.Lines()) {
    if (op.Color != Palette::Classic().Grid && (width == 0 || op.DrawWidth == width))
      lines.push_back(op);
  }
  return lines;
}

// What makes a drawn chart hard to read: a label off the surface, two labels on top of each
// other, a line other than the grid outside the plot area. Empty when there is nothing.
inline std::vector<std::string> LegibilityFaults(const RecordingSurface& s, double charWidth,
                                                 double textHeight) {
  std::vector<std::string> faults;
  const std::vector<Rect> labels = LabelRects(s, charWidth, textHeight);
  const std::vector<std::string> texts = s.Texts();
  for (size_t i = 0; i < labels.size(); ++i) {
    if (!labels[i].Within({0, 0, s.Width(), s.Height()}, 1e-6))
      faults.push_back("off the surface: " + texts[i]);
    for (size_t j = 0; j < i; ++j) {
      if (labels[j].Overlaps(labels[i])) faults.push_back("overlap: " + texts[j] + ", " + texts[i]);
    }
  }
  const Rect plot = GridBounds(s);
  for (const RecordedOp& op : s.Lines()) {
    if (op.Color == Palette::Classic().Grid) continue;
    if (Rect{op.X1, op.Y1, op.X1, op.Y1}.Within(plot, 1e-3) &&
        Rect{op.X2, op.Y2, op.X2, op.Y2}.Within(plot, 1e-3))
      continue;
    std::ostringstream line;
    line << "outside the plot: " << op.X1 << ", " << op.Y1 << " to " << op.X2 << ", " << op.Y2;
    faults.push_back(line.str());
  }
  return faults;
}

}  // namespace scrb::test
