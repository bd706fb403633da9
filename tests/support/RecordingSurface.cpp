#include "support/RecordingSurface.h"

namespace scrb::test {

RecordingSurface::RecordingSurface(double widthTwips, double heightTwips, double charWidthTwips,
                                   double textHeightTwips)
    : width_(widthTwips),
      height_(heightTwips),
      charWidth_(charWidthTwips),
      textHeight_(textHeightTwips),
      x2_(widthTwips),
      y2_(heightTwips) {}

void RecordingSurface::Scale(double x1, double y1, double x2, double y2) {
  x1_ = x1;
  y1_ = y1;
  x2_ = x2;
  y2_ = y2;
  ops_.push_back({RecordedOp::Kind::Scale, x1, y1, x2, y2, {}, {}, drawWidth_});
}

void RecordingSurface::Line(double x1, double y1, double x2, double y2, Rgb color) {
  ops_.push_back({RecordedOp::Kind::Line, x1, y1, x2, y2, color, {}, drawWidth_});
  currentX_ = x2;
  currentY_ = y2;
}

void RecordingSurface::Print(const std::string& text) {
  ops_.push_back({RecordedOp::Kind::Print, currentX_, currentY_, 0, 0, {}, text, drawWidth_});
  // Like a picture box, the pen moves to the start of the next line.
  currentX_ = x1_;
  currentY_ += TextHeight(text);
}

double RecordingSurface::TextWidth(const std::string& text) const {
  return TwipsToUserX(charWidth_ * static_cast<double>(text.size()));
}

std::vector<RecordedOp> RecordingSurface::OpsOf(RecordedOp::Kind kind) const {
  std::vector<RecordedOp> result = ops_;
  std::erase_if(result, [kind](const RecordedOp& op) { return op.Type != kind; });
  return result;
}

std::vector<RecordedOp> RecordingSurface::LinesOf(Rgb color) const {
  std::vector<RecordedOp> result = Lines();
  std::erase_if(result, [color](const RecordedOp& op) { return op.Color != color; });
  return result;
}

std::vector<std::string> RecordingSurface::Texts() const {
  std::vector<std::string> result;
  for (const RecordedOp& op : Prints()) result.push_back(op.Text);
  return result;
}

}  // namespace scrb::test
