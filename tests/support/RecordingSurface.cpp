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

void RecordingSurface::Cls() {
  currentX_ = 0;
  currentY_ = 0;
  ops_.push_back({RecordedOp::Kind::Cls, 0, 0, 0, 0, {}, {}, drawWidth_});
}

void RecordingSurface::Scale(double x1, double y1, double x2, double y2) {
  x1_ = x1;
  y1_ = y1;
  x2_ = x2;
  y2_ = y2;
  ops_.push_back({RecordedOp::Kind::Scale, x1, y1, x2, y2, {}, {}, drawWidth_});
}

double RecordingSurface::TwipsToUserX(double twips) const {
  return width_ == 0 ? 0 : twips * (x2_ - x1_) / width_;
}

double RecordingSurface::TwipsToUserY(double twips) const {
  return height_ == 0 ? 0 : twips * (y2_ - y1_) / height_;
}

double RecordingSurface::ScaleX(double millimetres) const {
  return TwipsToUserX(millimetres * kTwipsPerMillimetre);
}

double RecordingSurface::ScaleY(double millimetres) const {
  return TwipsToUserY(millimetres * kTwipsPerMillimetre);
}

void RecordingSurface::Line(double x1, double y1, double x2, double y2, Rgb color) {
  ops_.push_back({RecordedOp::Kind::Line, x1, y1, x2, y2, color, {}, drawWidth_});
  currentX_ = x2;
  currentY_ = y2;
}

void RecordingSurface::LineTo(double x2, double y2, Rgb color) {
  Line(currentX_, currentY_, x2, y2, color);
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

double RecordingSurface::TextHeight(const std::string&) const {
  return TwipsToUserY(textHeight_);
}

void RecordingSurface::SetDrawWidth(int pixels) {
  drawWidth_ = pixels;
  ops_.push_back({RecordedOp::Kind::DrawWidth, 0, 0, 0, 0, {}, {}, pixels});
}

void RecordingSurface::Refresh() {
  ops_.push_back({RecordedOp::Kind::Refresh, 0, 0, 0, 0, {}, {}, drawWidth_});
}

std::vector<RecordedOp> RecordingSurface::OpsOf(RecordedOp::Kind kind) const {
  std::vector<RecordedOp> result;
  for (const RecordedOp& op : ops_) {
    if (op.Type == kind) result.push_back(op);
  }
  return result;
}

std::vector<RecordedOp> RecordingSurface::LinesOf(Rgb color) const {
  std::vector<RecordedOp> result;
  for (const RecordedOp& op : ops_) {
    if (op.Type == RecordedOp::Kind::Line && op.Color == color) result.push_back(op);
  }
  return result;
}

std::vector<std::string> RecordingSurface::Texts() const {
  std::vector<std::string> result;
  for (const RecordedOp& op : ops_) {
    if (op.Type == RecordedOp::Kind::Print) result.push_back(op.Text);
  }
  return result;
}

}  // namespace scrb::test
