// The dive pages one by one: what they draw, what they write, and the readouts under the mouse.

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "app/AirPage.h"
#include "app/AppContext.h"
#include "app/ChartView.h"
#include "app/DepthPages.h"
#include "app/GeneralPage.h"
#include "app/RawDataPage.h"
#include "app/ScrbLeg.h"
#include "app/TissuePage.h"
#include "charts/ChartTestDives.h"
#include "saturation/SaturationFixtures.h"
#include "support/LogbookBuilder.h"

namespace scrb {
namespace {

// Six samples: T = 200 hundredths of a minute. A descent of 3 m between samples 0 and 1 reads as
// -9 m/min.
DiveRecord SixSampleDive() { return test::DiveWithSamples({3, 6, 8, 8, 5, 2.5}, {0, 0, 2}); }

// Ten minutes of 31 samples at one depth and status; the extra sample lets the last status byte
// be read.
DiveRecord MinutesDive(int rawDepth, int status, double tank, double used) {
  test::ProfileBuilder profile;
  profile.Samples.assign(31, {rawDepth, 0});
  profile.Status.assign(10, status);
  profile.Padding = rawDepth == 0;  // a first sample byte of 0 would read as padding
  return test::MakeDecodedDive(profile, tank, used);
}

DiveRecord ReportDive(int number, int samples) {
  test::ProfileBuilder profile;
  profile.Samples.assign(static_cast<size_t>(samples), {64, 0});
  DiveRecord dive = test::MakeDecodedDive(profile);
  dive.DiveNumber = number;
  dive.DiveDate = "17/10/1998";
  dive.Site = "<b>Pier</b>";
  return dive;
}

bool HasBlue(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if ((image.pixel(x, y) & 0xFFFFFF) == 0x4040FF) return true;
    }
  }
  return false;
}

// The label's text each time it is painted.
class PaintLog : public QObject {
 public:
  QStringList Texts;
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::Paint) Texts << static_cast<QLabel*>(object)->text();
    return false;
  }
};

class DivePages : public ::testing::Test {
 protected:
  // Shows a dive as the main window does: readouts wait until the drawing is done.
  void Show(DivePage& page, int index) {
    context.Book.CurrentDive = index;
    context.Readouts.ChartsReady = false;
    context.Readouts.ResetCursors();
    page.ShowDive(index);
    context.Readouts.ChartsReady = true;
  }

  void Open(QWidget& page) {
    page.resize(700, 520);
    page.show();
    QApplication::processEvents();
  }

  AppContext context;
};

TEST_F(DivePages, DepthReadoutMovesLabelAndBothCursorsOfItsView) {
  context.Book.Dives = {SixSampleDive(), DiveRecord{}};
  DepthChartPage page(context);
  Open(page);
  Show(page, 0);
  EXPECT_EQ(page.Label40()->text(), "Dive Number: 12  Depth (meters) versus Time (minutes)");
  EXPECT_EQ(page.AlarmPicture()->height(), 41);
  // 0 rounds to -1, the first sample; 50 is halfway and goes to the even one; 200 is T, the last.
  for (const auto& [x, text] : {std::pair{0.0, "Time=00'20\" Depth=3.0 m"},
                                std::pair{50.0, "Time=00'20\" Depth=3.0 m"},
                                std::pair{200.0, "Time=02'00\" Depth=2.5 m"}}) {
    emit page.AlarmPicture()->MouseMoved(x, 300);
    EXPECT_EQ(page.Label42()->text().toStdString(), text) << x;
    EXPECT_EQ(page.DepthPicture()->CursorX(), x);
  }

  // Outside the profile, or while the charts are being drawn, the readout keeps still.
  for (double x : {-1.0, 200.5}) emit page.DepthPicture()->MouseMoved(x, 0);
  context.Readouts.ChartsReady = false;
  emit page.DepthPicture()->MouseMoved(100, 0);
  context.Readouts.ChartsReady = true;
  EXPECT_EQ(page.Label42()->text().toStdString(), "Time=02'00\" Depth=2.5 m");
  EXPECT_EQ(page.AlarmPicture()->CursorX(), 200);

  Show(page, 1);  // no samples: the readout is cleared and stays so
  emit page.DepthPicture()->MouseMoved(0, 0);
  EXPECT_TRUE(page.Label42()->text().isEmpty());
  EXPECT_FALSE(page.DepthPicture()->CursorX());
}

TEST_F(DivePages, SpeedReadoutOnlyFromTheSecondSample) {
  context.Book.Dives = {SixSampleDive()};
  SpeedPage page(context);
  Open(page);
  Show(page, 0);
  emit page.DDepthPicture()->MouseMoved(10, -500);  // sample 0: only the depth readout
  EXPECT_EQ(page.Label42()->text().toStdString(), "Time=00'20\" Depth=3.0 m");
  EXPECT_TRUE(page.Label43()->text().isEmpty());
  EXPECT_FALSE(page.DDepthPicture()->CursorX());

  emit page.DepthPicture()->MouseMoved(66, 0);  // sample 1
  EXPECT_EQ(page.Label43()->text().toStdString(), " Vertical Speed=-9.0 m/min");
  EXPECT_EQ(page.DDepthPicture()->CursorX(), 66);
}

TEST_F(DivePages, AirLabelShowsThePassCountWhileTheModelRunsThenTheSummary) {
  context.Book.Dives = {MinutesDive(0, 0x30, 10, 16.55)};  // swings for a hundred passes
  AirPage page(context);
  Open(page);
  PaintLog log;
  page.Label44()->installEventFilter(&log);
  Show(page, 0);
  page.Label44()->removeEventFilter(&log);
  ASSERT_GE(log.Texts.size(), 2);
  EXPECT_EQ(log.Texts.front(), "1");
  EXPECT_TRUE(log.Texts.back().startsWith("Min:")) << log.Texts.back().toStdString();
  EXPECT_LT(log.Texts.size(), 50);  // painting every pass would cost far more than the passes
}

TEST_F(DivePages, OneAirReadoutMovesTheCursorOnBothAirCharts) {
  context.Book.Dives = {MinutesDive(128, 0x10, 12, 50), MinutesDive(128, 0x10, 327.67, 50)};
  AirPage page(context);
  Open(page);
  Show(page, 0);
  EXPECT_TRUE(HasBlue(page.TankPicture()->ChartImage()));
  page.TankPictureMouseMove(250, 0);
  EXPECT_TRUE(page.Label44()->text().contains("Time=02'00\""));
  EXPECT_EQ(page.AirPicture()->CursorX(), 250);

  // Past the last sample, or while the charts are being drawn, nothing changes.
  page.AirPictureMouseMove(1100, 0);
  context.Readouts.ChartsReady = false;
  page.AirPictureMouseMove(300, 0);
  EXPECT_EQ(page.TankPicture()->CursorX(), 250);

  // A dive without estimate: the cursors go with the old charts, the text replaces the lines,
  // and the readout stays quiet.
  Show(page, 1);
  EXPECT_FALSE(HasBlue(page.TankPicture()->ChartImage()));
  page.AirPictureMouseMove(100, 0);
  EXPECT_EQ(page.Label44()->text(), "");
  EXPECT_FALSE(page.AirPicture()->CursorX().has_value());
}

TEST_F(DivePages, GeneralPageShowsTheSummaryAsPlainText) {
  context.Book.Dives = {ReportDive(7, 4)};
  GeneralPage page(context);
  page.ShowDive(0);
  EXPECT_EQ(page.Heading()->text(), "Dive Number: 7");
  // A site typed with markup is shown as typed, not rendered.
  EXPECT_EQ(page.Value(3)->text(), " <b>Pier</b>");
  EXPECT_EQ(page.Value(3)->textFormat(), Qt::PlainText);

  // No dive: the labels empty rather than keep another dive's values.
  page.ShowDive(-1);
  EXPECT_EQ(page.Heading()->text(), "");
  EXPECT_EQ(page.Value(3)->text(), "");
}

TEST_F(DivePages, RawDataShowsDetailsThenDumpInFixedPitch) {
  DiveRecord undecoded = ReportDive(3, 4);
  undecoded.ProfileDecoded = false;
  undecoded.SampleCount = 0;
  context.Book.Dives = {undecoded};
  RawDataPage page(context);
  page.ShowDive(0);  // a dive not decoded yet is decoded for its dump
  const QString text = page.TextBox()->toPlainText();
  EXPECT_TRUE(text.startsWith("Dive Number: 3\n    Dive Date: 17/10/1998"));
  EXPECT_TRUE(text.contains("    0004 , 01'20\" , 10.0 , txok"));
  EXPECT_FALSE(text.contains('\r'));
  const QFontMetrics metrics(page.TextBox()->font());
  EXPECT_EQ(metrics.horizontalAdvance("iiii , ...."), metrics.horizontalAdvance("WWWW - 0000"));
}

class TissuePageTest : public DivePages {
 protected:
  void SetUp() override {
    LoadDecoModel(context.Model, 0);
    context.Book.Dives.push_back(test::DiveWithDepths({0, 10, 0}));
    context.Book.Dives.push_back(test::DiveWithDepths(std::vector<double>(30, 18.4)));
    context.Book.Dives.push_back(test::DiveWithDepths({}));
    context.Book.CurrentDive = 1;
    page.resize(700, 500);
    QObject::connect(&page, &DivePage::RedrawRequested, [this] { ++redraws; });
  }

  void Show(int index) { DivePages::Show(page, index); }
  DiveRecord& Dive(int index) { return context.Book.Dives[static_cast<size_t>(index)]; }

  TissuePage page{context};
  int redraws = 0;
};

TEST_F(TissuePageTest, ShowsTheSummaryOfEachDive) {
  Show(1);
  // The fast tissue peaks on the final surface step, sample 30.
  EXPECT_TRUE(page.Label54()->text().startsWith("Max Oversaturation = "));
  EXPECT_TRUE(page.Label54()->text().endsWith(" % at Time=10'20\" on tissue 1"))
      << page.Label54()->text().toStdString();

  // A dive without samples has no summary of its own and must not keep the previous one.
  Show(2);
  EXPECT_EQ(page.Label54()->text(), "");
}

TEST_F(TissuePageTest, ReadoutFollowsTheMouseOverBothCharts) {
  Show(1);
  emit page.SatuRelPicture()->MouseMoved(1000, 0);
  EXPECT_TRUE(page.Label52()->text().startsWith("Time=10'00\", Depth=18.4 m, Max="));
  EXPECT_TRUE(page.Label53()->text().startsWith("Max="));
  EXPECT_EQ(page.SatuPicture()->CursorX(), 1000);

  // The chart's last minute and anything outside it leave labels and cursor alone.
  const QString before = page.Label52()->text();
  page.SatuPictureMouseMove(1050, 0);
  page.SatuPictureMouseMove(-5, 0);
  EXPECT_EQ(page.Label52()->text(), before);
  EXPECT_EQ(page.SatuPicture()->CursorX(), 1000);

  // Showing the dive again wipes the readouts, and results of another model give none.
  Show(1);
  LoadDecoModel(context.Model, 2);  // results still of the 8-tissue model
  page.SatuPictureMouseMove(500, 0);
  EXPECT_EQ(page.Label52()->text(), "");
  EXPECT_FALSE(page.SatuPicture()->CursorX());
}

TEST_F(TissuePageTest, TypedSurfacePressure) {
  // Too low or unreadable keeps the pressure; the same value typed back costs no recomputation.
  struct Case {
    const char* Text;
    double Pressure;
  };
  ScrbLeg* window = page.ModelWindow();
  for (const Case& c :
       {Case{"0.1", 1.0}, Case{"abc", 1.0}, Case{"  1.000", 1.0}, Case{"1.2", 1.2}}) {
    SCOPED_TRACE(c.Text);
    Show(1);
    window->Prepare();
    window->Text1()->setText(c.Text);
    window->Command1Click();
    EXPECT_EQ(Dive(1).SurfacePressure, c.Pressure);
    EXPECT_EQ(Dive(1).SaturationComputed, c.Pressure == 1.0);
  }
  window->Prepare();
  EXPECT_EQ(window->Text1()->text(), "  1.200");
  EXPECT_EQ(Dive(0).SurfacePressure, 1.0);  // only the selected dive takes it
}

TEST_F(TissuePageTest, ClosingTheWindowActsAsTheCloseButton) {
  Show(1);
  ScrbLeg* window = page.ModelWindow();
  window->Prepare();
  window->show();
  window->Text1()->setText("0.9");
  window->close();  // the window system's close control, as Escape, goes through reject()
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(Dive(1).SurfacePressure, 0.9);
  EXPECT_EQ(redraws, 1);
}

TEST_F(TissuePageTest, ModelChosenInTheModalWindowClearsEveryDiveAndRedraws) {
  Show(0);
  Show(1);
  QTimer::singleShot(0, &page, [this] {
    EXPECT_TRUE(Dive(1).SaturationComputed);  // opening alone changes nothing
    page.ModelWindow()->Option1(2)->click();
    page.ModelWindow()->Command1()->click();
  });
  page.Command2Click();
  EXPECT_EQ(redraws, 1);
  for (const DiveRecord& dive : context.Book.Dives) EXPECT_FALSE(dive.SaturationComputed);
  Show(1);
  EXPECT_EQ(Dive(1).TissuePressure.size(), 16u);
}

// Without a selected dive the window still opens, on a model that has a button, and keeps
// every dive's pressure.
TEST_F(TissuePageTest, NoDiveSelectedAndAModelWithoutButton) {
  Show(1);
  context.Book.CurrentDive = -1;
  LoadDecoModel(context.Model, 7);
  ScrbLeg* window = page.ModelWindow();
  window->Prepare();
  EXPECT_EQ(window->Text1()->text(), "No dive selected");
  EXPECT_TRUE(window->Option1(0)->isChecked());
  EXPECT_EQ(context.Model.TissueCount, 8);
  EXPECT_FALSE(Dive(1).SaturationComputed);
  window->Text1()->setText("1.5");
  window->Command1Click();
  for (const DiveRecord& dive : context.Book.Dives) EXPECT_EQ(dive.SurfacePressure, 1.0);
}

}  // namespace
}  // namespace scrb
