// The dive pages one by one: what they draw, what they write, and the readouts under the mouse.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include "app/AirPage.h"
#include "app/AppContext.h"
#include "app/ChartView.h"
#include "app/DepthPages.h"
#include "app/GeneralPage.h"
#include "app/ModelWindow.h"
#include "app/RawDataPage.h"
#include "app/TissuePage.h"
#include "charts/ChartTestDives.h"
#include "report/ReportTexts.h"
#include "saturation/SaturationCharts.h"
#include "saturation/SaturationFixtures.h"
#include "saturation/SaturationReadout.h"
#include "support/LogbookBuilder.h"

namespace scrb {
namespace {

// Six samples: T = 200 hundredths of a minute. A descent of 3 m between samples 0 and 1 reads as
// -9 m/min.
DiveRecord SixSampleDive() {
  return test::DiveWithSamples({3, 6, 8, 8, 5, 2.5}, {0, 0, 2});
}

// Ten minutes of 31 samples at one depth and status; the extra sample lets the last status byte
// be read.
DiveRecord MinutesDive(double tank) {
  test::ProfileBuilder profile;
  profile.Samples.assign(31, {128, 0});
  profile.Status.assign(10, 0x10);
  return test::MakeDecodedDive(profile, tank, 50);
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
  EXPECT_EQ(page.DepthTitle()->text(), "Dive Number: 12  Depth (meters) versus Time (minutes)");
  // 0 rounds to -1, the first sample; 50 is halfway and goes to the even one; 200 is T, the last.
  for (const auto& [x, text] :
       {std::pair{0.0, "Time=00'20\" Depth=3.0 m"}, std::pair{50.0, "Time=00'20\" Depth=3.0 m"},
        std::pair{200.0, "Time=02'00\" Depth=2.5 m"}}) {
    emit page.AlarmPicture()->MouseMoved(x, 300);
    EXPECT_EQ(page.DepthReadout()->text().toStdString(), text) << x;
    EXPECT_EQ(page.DepthPicture()->CursorX(), x);
  }

  // Outside the profile, or while the charts are being drawn, the readout keeps still.
  for (double x : {-1.0, 200.5}) emit page.DepthPicture()->MouseMoved(x, 0);
  context.Readouts.ChartsReady = false;
  emit page.DepthPicture()->MouseMoved(100, 0);
  context.Readouts.ChartsReady = true;
  EXPECT_EQ(page.DepthReadout()->text().toStdString(), "Time=02'00\" Depth=2.5 m");
  EXPECT_EQ(page.AlarmPicture()->CursorX(), 200);

  Show(page, 1);  // no samples: the readout is cleared and stays so
  emit page.DepthPicture()->MouseMoved(0, 0);
  EXPECT_TRUE(page.DepthReadout()->text().isEmpty());
  EXPECT_FALSE(page.DepthPicture()->CursorX());
}

TEST_F(DivePages, SpeedReadoutOnlyFromTheSecondSample) {
  context.Book.Dives = {SixSampleDive()};
  SpeedPage page(context);
  Open(page);
  Show(page, 0);
  emit page.DDepthPicture()->MouseMoved(10, -500);  // sample 0: no speed yet
  EXPECT_TRUE(page.SpeedReadout()->text().isEmpty());
  EXPECT_FALSE(page.DDepthPicture()->CursorX());

  emit page.DepthPicture()->MouseMoved(66, 0);  // sample 1
  EXPECT_EQ(page.SpeedReadout()->text().toStdString(), " Vertical Speed=-9.0 m/min");
  EXPECT_EQ(page.DDepthPicture()->CursorX(), 66);
}

TEST_F(DivePages, OneAirReadoutMovesTheCursorOnBothAirCharts) {
  context.Book.Dives = {MinutesDive(12), MinutesDive(327.67)};
  AirPage page(context);
  Open(page);
  Show(page, 0);
  page.TankPictureMouseMove(250, 0);  // 10 minutes at 3 bar breathe 12 l x 50 bar: 5 bar a minute
  EXPECT_EQ(page.AirReadout()->text(),
            "Min:20.0 l/min, Max:20.0 l/min, Time=02'00\", "
            "Depth=20.0 m, Tank=40.0 bar, Breath=20.0 l/min");
  EXPECT_EQ(page.AirPicture()->CursorX(), 250);

  // A dive without estimate: the cursors go with the old charts and the readout stays quiet.
  Show(page, 1);
  page.AirPictureMouseMove(100, 0);
  EXPECT_EQ(page.AirReadout()->text(), "");
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
  // The details, then the dump, each line once, in the text box's own line ends.
  const DiveRecord& dive = context.Book.Dives[0];
  EXPECT_EQ(
      page.TextBox()->toPlainText().toStdString(),
      QString::fromStdString(DetailsText(dive) + RawDumpText(dive)).remove('\r').toStdString());
  EXPECT_TRUE(page.TextBox()->toPlainText().endsWith(
      "    0004 , 01'20\" , 10.0 , txok,    ,    ,   ,    ,     \n"));
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
  }

  void Show(int index) { DivePages::Show(page, index); }
  DiveRecord& Dive(int index) { return context.Book.Dives[static_cast<size_t>(index)]; }

  TissuePage page{context};
};

TEST_F(TissuePageTest, SummaryAndReadoutOverBothCharts) {
  Show(1);
  // The fast tissue peaks on the final surface step, sample 30.
  EXPECT_EQ(page.MaxOverSaturationLabel()->text().toStdString(),
            MaxOverSaturationText(Dive(1), context.Model));
  EXPECT_TRUE(page.MaxOverSaturationLabel()->text().endsWith(" % at Time=10'20\" on tissue 1"));
  emit page.SatuRelPicture()->MouseMoved(1000, 0);
  const std::optional<SaturationReadout> readout = ReadSaturation(Dive(1), context.Model, 1000);
  ASSERT_TRUE(readout);
  EXPECT_TRUE(readout->PressureText.starts_with("Time=10'00\", Depth=18.4 m, Max="));
  EXPECT_EQ(page.PressureReadout()->text().toStdString(), readout->PressureText);
  EXPECT_EQ(page.OverSaturationReadout()->text().toStdString(), readout->OverSaturationText);
  EXPECT_EQ(page.SatuPicture()->CursorX(), 1000);

  // Showing the dive again wipes the readouts, and results of another model give none.
  Show(1);
  LoadDecoModel(context.Model, 2);  // results still of the 8-tissue model
  page.SatuPictureMouseMove(500, 0);
  EXPECT_EQ(page.PressureReadout()->text(), "");
  EXPECT_FALSE(page.SatuPicture()->CursorX());

  // A dive without samples has no summary of its own and must not keep the previous one.
  Show(2);
  EXPECT_EQ(page.MaxOverSaturationLabel()->text(), "");
}

TEST_F(TissuePageTest, ModelWindowAppliesTypedPressureToTheSelectedDiveOnClose) {
  // Too low or not a number keeps the window open and says why; the same value typed back costs
  // no recomputation; a comma is a decimal separator.
  ModelWindow* window = page.Models();
  struct Case {
    const char* Text;
    double Pressure;
    bool Refused;
  };
  for (const auto& [text, pressure, refused] :
       {Case{"0.1", 1.0, true}, Case{"", 1.0, true}, Case{"  1.000", 1.0, false},
        Case{"1,2", 1.2, false}}) {
    SCOPED_TRACE(text);
    Show(1);
    window->Prepare();
    window->show();
    window->SurfacePressureEdit()->setText(text);
    window->CloseClick();
    EXPECT_EQ(Dive(1).SurfacePressure, pressure);
    EXPECT_EQ(Dive(1).SaturationComputed, pressure == 1.0);
    EXPECT_EQ(window->isVisible(), refused);
    EXPECT_EQ(window->PressureNote()->text().isEmpty(), !refused);
  }
  Show(1);  // as the page is shown again when the window closes
  EXPECT_EQ(page.ModelLabel()->text(), "8 tissues, surface pressure 1.200 bar");
  // A key that cannot make a number is refused as it is typed, with the reason.
  window->Prepare();
  window->SurfacePressureEdit()->selectAll();
  QTest::keyClicks(window->SurfacePressureEdit(), "0.9x");
  EXPECT_EQ(window->SurfacePressureEdit()->text(), "0.9");
  EXPECT_TRUE(window->PressureNote()->text().startsWith("Only digits and one point or comma"));
  window->Prepare();
  EXPECT_EQ(window->SurfacePressureEdit()->text(), "  1.200");
  EXPECT_EQ(Dive(0).SurfacePressure, 1.0);  // only the selected dive takes it

  // The window system's close control, as Escape, goes through reject() and acts as Close.
  window->show();
  window->SurfacePressureEdit()->setText("0.9");
  window->close();
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(Dive(1).SurfacePressure, 0.9);

  // Without a selected dive the window opens on a model that has a button, and the box takes no
  // text.
  context.Book.CurrentDive = -1;
  LoadDecoModel(context.Model, 7);
  window->Prepare();
  EXPECT_EQ(window->SurfacePressureEdit()->text(), "No dive selected");
  EXPECT_TRUE(window->ModelButton(0)->isChecked());
  EXPECT_EQ(context.Model.TissueCount, 8);
  EXPECT_FALSE(Dive(1).SaturationComputed);
  EXPECT_FALSE(window->SurfacePressureEdit()->isEnabled());
  window->SurfacePressureEdit()->setText("1.5");
  window->CloseClick();
  for (const DiveRecord& dive : context.Book.Dives) EXPECT_NE(dive.SurfacePressure, 1.5);
}

}  // namespace
}  // namespace scrb
