#pragma once

#include <string>
#include <vector>

#include "charts/ChartSurface.h"

namespace scrb::test {

// One drawing operation as a chart issued it, in the user coordinates then in force.
struct RecordedOp {
  enum class Kind { Cls, Scale, Line, Print, DrawWidth, Refresh, Fill };
  Kind Type = Kind::Line;
  // Line: from (X1, Y1) to (X2, Y2). Fill: the corners (X1, Y1) and (X2, Y2). Print: the pen
  // position in (X1, Y1). Scale: the corners (X1, Y1)-(X2, Y2). DrawWidth: nothing here, see
  // DrawWidth.
  double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
  Rgb Color;
  std::string Text;
  int DrawWidth = 1;  // the pen width in force (for DrawWidth: the new width)
};

// A surface that draws nothing and remembers everything, for exact tests of the charts. Its size
// is fixed in twips; every character is `charWidthTwips` wide and every text `textHeightTwips`
// high. Before the first Scale the user coordinates are twips from the upper-left corner.
class RecordingSurface : public ChartSurface {
 public:
  static constexpr double kTwipsPerMillimetre = 1440.0 / 25.4;

  explicit RecordingSurface(double widthTwips = 6975, double heightTwips = 4875,
                            double charWidthTwips = 100, double textHeightTwips = 200);

  void Cls() override {
    currentX_ = currentY_ = 0;
    Record(RecordedOp::Kind::Cls);
  }
  double Width() const override { return width_; }
  double Height() const override { return height_; }
  void Scale(double x1, double y1, double x2, double y2) override;
  double ScaleX(double mm) const override { return TwipsToUserX(mm * kTwipsPerMillimetre); }
  double ScaleY(double mm) const override { return TwipsToUserY(mm * kTwipsPerMillimetre); }
  void Line(double x1, double y1, double x2, double y2, Rgb color) override;
  void LineTo(double x2, double y2, Rgb color) override {
    Line(currentX_, currentY_, x2, y2, color);
  }
  void FillRect(double x1, double y1, double x2, double y2, Rgb color) override {
    ops_.push_back({RecordedOp::Kind::Fill, x1, y1, x2, y2, color, {}, drawWidth_});
  }
  double CurrentX() const override { return currentX_; }
  double CurrentY() const override { return currentY_; }
  void SetCurrentX(double x) override { currentX_ = x; }
  void SetCurrentY(double y) override { currentY_ = y; }
  void Print(const std::string& text) override;
  double TextWidth(const std::string& text) const override;
  double TextHeight(const std::string&) const override { return TwipsToUserY(textHeight_); }
  void SetDrawWidth(int w) override {
    drawWidth_ = w;
    Record(RecordedOp::Kind::DrawWidth);
  }
  void Refresh() override { Record(RecordedOp::Kind::Refresh); }

  int DrawWidth() const { return drawWidth_; }
  // Left, top, right and bottom of the coordinate system in force.
  std::vector<double> Corners() const { return {x1_, y1_, x2_, y2_}; }

  // Every operation since construction or the last Forget, in order.
  const std::vector<RecordedOp>& Ops() const { return ops_; }
  std::vector<RecordedOp> OpsOf(RecordedOp::Kind kind) const;
  std::vector<RecordedOp> Lines() const { return OpsOf(RecordedOp::Kind::Line); }
  std::vector<RecordedOp> LinesOf(Rgb color) const;
  std::vector<RecordedOp> Fills() const { return OpsOf(RecordedOp::Kind::Fill); }
  std::vector<RecordedOp> Prints() const { return OpsOf(RecordedOp::Kind::Print); }
  std::vector<std::string> Texts() const;
  void Forget() { ops_.clear(); }

 private:
  double TwipsToUserX(double t) const { return width_ == 0 ? 0 : t * (x2_ - x1_) / width_; }
  double TwipsToUserY(double t) const { return height_ == 0 ? 0 : t * (y2_ - y1_) / height_; }
  void Record(RecordedOp::Kind kind) { ops_.push_back({kind, 0, 0, 0, 0, {}, {}, drawWidth_}); }

  double width_, height_, charWidth_, textHeight_;
  double x1_ = 0, y1_ = 0, x2_, y2_;
  double currentX_ = 0, currentY_ = 0;
  int drawWidth_ = 1;
  std::vector<RecordedOp> ops_;
};

}  // namespace scrb::test
