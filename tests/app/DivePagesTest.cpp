// The dive pages one by one: what they draw, what they write, and the readouts under the mouse.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <functional>

#include "app/dialogs/ModelWindow.h"
#include "app/pages/AirPage.h"
#include "app/pages/DepthPages.h"
#include "app/pages/GeneralPage.h"
#include "app/pages/RawDataPage.h"
#include "app/pages/TissuePage.h"
#include "app/state/LogbookState.h"
#include "app/state/SettingsStore.h"
#include "app/views/ChartView.h"
#include "app/views/WindowPlacement.h"
#include "report/ReportTexts.h"
#include "saturation/SaturationCharts.h"
#include "saturation/SaturationFixtures.h"
#include "saturation/SaturationReadout.h"
#include "saturation/TissueHeatMap.h"
#include "support/LogbookBuilder.h"

namespace scrb {
namespace {

// Ten minutes of 31 samples at one depth and status; the extra sample lets the last status byte
// be read.
DiveRecord MinutesDive(double tank) {
  test::ProfileBuilder profile;
  profile.Samples.assign(31, {128, 0});
  profile.Status.assign(10, 0x10);
  return test::MakeDecodedDive(profile, tank, 50);
}

// A record whose profile block holds these depths (to the logbook's 0.16 m) and flags.
DiveRecord DiveWithDepths(const std::vector<double>& depths, const std::vector<int>& flags = {}) {
  DiveRecord dive = test::MakeDecodedDive(
      test::ProfileBuilder{.Samples = test::ProfileBuilder::FromDepths(depths, flags)});
  dive.DiveNumber = 12;
  return dive;
}

class DivePages : public ::testing::Test {
 protected:
  // Shows a dive as the main window does: readouts wait until the drawing is done.
  void Show(DivePage& page, int index) {
    page.resize(700, 520);
    state.SelectDive(index);
    page.Show(state.Book().DiveAt(index));
  }
  const DiveRecord& Dive(int index) { return state.Book().Dives[static_cast<size_t>(index)]; }
  void Load(std::vector<DiveRecord> dives) { state.Replace(std::move(dives)); }
  double SurfacePressure(int index) { return state.Analysis().SurfacePressure(index); }

  QTemporaryDir folder;
  QtSettingsStore settings{folder.filePath("scrb.ini")};
  LogbookState state{settings, "en"};
  TimeWindow& time = *MakePagesTimeWindow(state, &state);
};

// Six samples, T = 200 hundredths of a minute; the descent of 3.125 m from sample 0 to 1 is
// -9.4 m/min.
// Outside the profile, or while the charts are being drawn, a readout keeps still; without samples
// it is cleared and stays so. The first sample has no speed.
TEST_F(DivePages, DepthAndSpeedReadoutsMoveLabelAndCursorsOfTheirView) {
  Load({DiveWithDepths({3.125, 6.25, 8.125, 8.125, 5, 2.5}, {0, 0, 2}), DiveRecord{}});
  DepthChartPage page(state, time);
  Show(page, 0);
  EXPECT_EQ(page.DepthTitle()->text(), "Dive Number: 12  Depth (meters) versus Time (minutes)");
  emit page.AlarmStrip()->MouseMoved(200, 300);
  for (double x : {-1.0, 200.5}) emit page.DepthChart()->MouseMoved(x, 0);
  EXPECT_EQ(page.DepthReadout()->text().toStdString(), "Time=02'00\" Depth=2.5 m");
  EXPECT_EQ(page.DepthChart()->CursorX(), 200);
  EXPECT_EQ(page.AlarmStrip()->CursorX(), 200);
  Show(page, 1);
  emit page.DepthChart()->MouseMoved(0, 0);
  EXPECT_EQ(page.DepthReadout()->text(), "");
  EXPECT_FALSE(page.DepthChart()->CursorX());

  SpeedPage speed(state, time);
  Show(speed, 0);
  emit speed.SpeedChart()->MouseMoved(10, -500);  // sample 0
  EXPECT_EQ(speed.SpeedReadout()->text(), "");
  EXPECT_FALSE(speed.SpeedChart()->CursorX());
  emit speed.DepthChart()->MouseMoved(66, 0);  // sample 1
  EXPECT_EQ(speed.SpeedReadout()->text().toStdString(), " Vertical Speed=-9.4 m/min");
  EXPECT_EQ(speed.SpeedChart()->CursorX(), 66);
}

TEST_F(DivePages, OneAirReadoutMovesTheCursorOnBothAirCharts) {
  Load({MinutesDive(12), MinutesDive(327.67)});
  AirPage page(state, time);
  Show(page, 0);
  page.ShowReadoutAt(250);  // 10 minutes at 3 bar breathe 12 l x 50 bar: 5 bar a minute
  EXPECT_EQ(page.AirReadout()->text(),
            "Min:20.0 l/min, Max:20.0 l/min, Time=02'00\", "
            "Depth=20.0 m, Tank=40.0 bar, Breath=20.0 l/min");
  EXPECT_EQ(page.BreathRateChart()->CursorX(), 250);
  // A dive without estimate: the cursors go with the old charts and the readout stays quiet.
  Show(page, 1);
  page.ShowReadoutAt(100);
  EXPECT_EQ(page.AirReadout()->text(), "");
  EXPECT_FALSE(page.BreathRateChart()->CursorX().has_value());
}

// A site typed with markup is shown as typed; without a dive the labels empty rather than keep
// another dive's values. The raw data page decodes a dive for its dump and shows the details,
// then the dump, each line once, in fixed pitch.
TEST_F(DivePages, GeneralAndRawDataPagesShowPlainText) {
  test::ProfileBuilder profile;
  profile.Samples.assign(4, {64, 0});
  DiveRecord dive = test::MakeDecodedDive(profile);
  dive.DiveNumber = 7;
  dive.DiveDate = "17/10/1998";
  dive.Site = "<b>Pier</b>";
  Load({dive});
  GeneralPage general(state, time);
  const DiveSummary summary = SummaryTexts(Dive(0), state.Units());
  QStringList expected = {QString::fromStdString(summary.Heading)};
  for (const SummaryLine& line : summary.Lines) expected << QString::fromStdString(line.Value);
  const auto shown = [&general, &expected] {
    QStringList texts = {general.Heading()->text()};
    for (int line = 1; line < expected.size(); ++line) texts << general.Value(line - 1)->text();
    return texts;
  };
  general.ShowDive(&Dive(0));
  EXPECT_EQ(shown(), expected);
  EXPECT_EQ(general.Value(3)->text(), " <b>Pier</b>");
  EXPECT_EQ(general.Value(3)->textFormat(), Qt::PlainText);
  general.ShowDive(nullptr);
  EXPECT_EQ(shown().join(""), "");

  RawDataPage raw(state, time);
  raw.ShowDive(&Dive(0));
  const QString text = raw.TextBox()->toPlainText();
  EXPECT_EQ(text, QString::fromStdString(DetailsText(Dive(0)) +
                                         RawDumpText(Dive(0), DecodeProfile(Dive(0))))
                      .remove('\r'));
  EXPECT_TRUE(text.endsWith("    0004 , 01'20\" , 10.0 , txok,    ,    ,   ,    ,     \n"));
  const QFontMetrics metrics(raw.TextBox()->font());
  EXPECT_EQ(metrics.horizontalAdvance("iiii , ...."), metrics.horizontalAdvance("WWWW - 0000"));
}

// The model window's check box carries the morning's nitrogen into the second dive; the page says
// where it came from, and nothing at all with the option off.
TEST_F(DivePages, TissuePageSaysWhereCarriedNitrogenCameFrom) {
  state.SetModel(0);
  std::vector<DiveRecord> day = {DiveWithDepths(std::vector<double>(90, 30)),
                                 DiveWithDepths(std::vector<double>(60, 20)),
                                 DiveWithDepths(std::vector<double>(30, 10))};
  const std::vector<std::array<std::string, 4>> fields = {{"10:00", "Unknown", "00:30", "1460"},
                                                          {"10:35", "00:05", "00:20", "1461"},
                                                          {"14:00", "00:30", "00:10", "1462"}};
  for (size_t i = 0; i < day.size(); ++i) {
    day[i].DiveDate = "18/04/1998";
    day[i].DiveTime = fields[i][0];
    day[i].SurfaceInterval = fields[i][1];
    day[i].DivingTime = fields[i][2];
    day[i].DiveNumber = std::stoi(fields[i][3]);
  }
  Load(day);
  TissuePage page(state, time);
  page.show();
  Show(page, 1);
  const QString plain = page.MaxOverSaturationLabel()->text();
  EXPECT_FALSE(page.CarryOverLabel()->isVisible());

  ModelWindow* window = page.Models();
  window->Prepare();
  EXPECT_FALSE(window->RepetitiveBox()->isChecked());
  window->RepetitiveBox()->click();
  EXPECT_TRUE(state.Analysis().Repetitive());
  window->ApplyAndClose();
  const std::vector<std::pair<int, QString>> said = {
      {1, "carried over 0:05 from dive 1460"},
      {2, "no dive before within the recorded interval"},
      {0, ""}};
  for (const auto& [dive, text] : said) {
    Show(page, dive);
    EXPECT_TRUE(page.CarryOverLabel()->isVisible());
    EXPECT_EQ(page.CarryOverLabel()->text(), text);
  }
  Show(page, 1);
  EXPECT_NE(page.MaxOverSaturationLabel()->text(), plain);

  window->Prepare();
  EXPECT_TRUE(window->RepetitiveBox()->isChecked());
  window->RepetitiveBox()->click();
  window->ApplyAndClose();
  Show(page, 1);
  EXPECT_EQ(page.MaxOverSaturationLabel()->text(), plain);
  EXPECT_FALSE(page.CarryOverLabel()->isVisible());
}

// The tissue page's summary and readouts over both charts, and its model window, which applies a
// typed surface pressure to the selected dive on close.
TEST_F(DivePages, TissuePageAndItsModelWindow) {
  state.SetModel(0);
  Load({DiveWithDepths({0, 10, 0}), DiveWithDepths(std::vector<double>(30, 18.4)),
        DiveWithDepths({})});
  TissuePage page(state, time);
  Show(page, 1);
  // The key follows the model, also when nothing else about it changed.
  const QImage eightTissues = page.TissueKey()->ChartImage();
  state.SetModel(2);
  Show(page, 1);
  EXPECT_NE(page.TissueKey()->ChartImage(), eightTissues);
  state.SetModel(0);
  Show(page, 1);
  EXPECT_EQ(page.TissueKey()->ChartImage(), eightTissues);
  const AnalysedDive dive = state.Analysis().Analysed(1);
  const DecoModel model = state.Analysis().Model();
  EXPECT_EQ(page.MaxOverSaturationLabel()->text().toStdString(),
            MaxOverSaturationText(*dive.Profile, *dive.Saturation, model));
  emit page.OverSaturationChart()->MouseMoved(1000, 0);
  const std::optional<SaturationReadout> readout =
      ReadSaturation(*dive.Profile, *dive.Saturation, model, 1000, state.Units());
  ASSERT_TRUE(readout);
  EXPECT_EQ(page.PressureReadout()->text().toStdString(), readout->PressureText);
  EXPECT_EQ(page.OverSaturationReadout()->text().toStdString(), readout->OverSaturationText);
  EXPECT_EQ(page.PressureChart()->CursorX(), 1000);

  // Showing the dive again wipes the readouts.
  Show(page, 1);
  EXPECT_EQ(page.PressureReadout()->text(), "");
  EXPECT_FALSE(page.PressureChart()->CursorX());
  Show(page, 2);  // no samples: no summary of its own, and not the previous one
  EXPECT_EQ(page.MaxOverSaturationLabel()->text(), "");

  // Too low or not a number keeps the window open and says why; the same value typed back costs
  // no recomputation; a comma is a decimal separator.
  ModelWindow* window = page.Models();
  for (const auto& [text, pressure, refused] :
       {std::tuple{"0.1", 1.0, true}, std::tuple{"", 1.0, true}, std::tuple{"  1.000", 1.0, false},
        std::tuple{"1,2", 1.2, false}}) {
    SCOPED_TRACE(text);
    Show(page, 1);
    window->Prepare();
    window->show();
    window->SurfacePressureEdit()->setText(text);
    const auto before = state.Analysis().Saturation(1);
    window->ApplyAndClose();
    EXPECT_EQ(std::tuple(SurfacePressure(1), state.Analysis().Saturation(1) == before,
                         window->isVisible(), window->PressureNote()->text().isEmpty()),
              std::tuple(pressure, pressure == 1.0, refused, !refused));
  }
  Show(page, 1);  // as the page is shown again when the window closes
  EXPECT_EQ(page.ModelLabel()->text(), "8 tissues, surface pressure 1.200 bar");
  // A key that cannot make a number is refused as it is typed, with the reason.
  window->Prepare();
  window->SurfacePressureEdit()->selectAll();
  QTest::keyClicks(window->SurfacePressureEdit(), "0.9x");
  EXPECT_EQ(window->SurfacePressureEdit()->text(), "0.9");
  EXPECT_TRUE(window->PressureNote()->text().startsWith("Only digits and one point or comma"));
  window->Prepare();
  EXPECT_EQ(window->SurfacePressureEdit()->text(), "  1.200");
  EXPECT_EQ(SurfacePressure(0), 1.0);  // only the selected dive takes it

  // Escape, the window system's close control and Ctrl+Q leave the window with the pressure in
  // force, whatever was typed; the box shows it again and the dive's saturation is the one before.
  const auto overSaturationText = [this] {
    const AnalysedDive dive = state.Analysis().Analysed(1);
    return MaxOverSaturationText(*dive.Profile, *dive.Saturation, state.Analysis().Model());
  };
  const std::string saturation = overSaturationText();
  const std::vector<std::pair<const char*, std::function<void()>>> leaves = {
      {"0", [window] { QTest::keyClick(window->SurfacePressureEdit(), Qt::Key_Escape); }},
      {"0.9", [window] { window->close(); }},
      {"", [window] { QTest::keyClick(window, Qt::Key_Q, Qt::ControlModifier); }}};
  for (const auto& [typed, leave] : leaves) {
    SCOPED_TRACE(typed);
    window->Prepare();
    window->show();
    QApplication::setActiveWindow(window);  // where the window system sends the keys
    window->SurfacePressureEdit()->selectAll();
    QTest::keyClicks(window->SurfacePressureEdit(), typed);
    leave();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->SurfacePressureEdit()->text(), "  1.200");
    EXPECT_EQ(window->PressureNote()->text(), "");
    Show(page, 1);
    EXPECT_EQ(std::tuple(SurfacePressure(1), overSaturationText()), std::tuple(1.2, saturation));
  }
  window->SurfacePressureEdit()->setText("0.9");
  window->ApplyAndClose();
  EXPECT_EQ(SurfacePressure(1), 0.9);

  // Without a selected dive: a model that has a button, and a box that takes no text.
  state.SelectDive(-1);
  state.SetModel(7);
  window->Prepare();
  EXPECT_EQ(window->SurfacePressureEdit()->text(), "No dive selected");
  EXPECT_EQ(std::tuple(window->ModelButton(0)->isChecked(), state.Analysis().Model().TissueCount,
                       window->SurfacePressureEdit()->isEnabled()),
            std::tuple(true, 8, false));
  window->SurfacePressureEdit()->setText("1.5");
  window->ApplyAndClose();
  for (int i = 0; i < 3; ++i) EXPECT_NE(SurfacePressure(i), 1.5);

  // Taller than the screen, the window is brought within it; the legend scrolls and the models
  // and Close stay in reach.
  window->resize(window->width(), 5000);
  CentreOnScreen(*window);
  window->show();
  QApplication::processEvents();
  const QRect screen = window->screen()->availableGeometry();
  EXPECT_TRUE(screen.contains(window->geometry())) << window->height();
  EXPECT_TRUE(window->rect().contains(
      QRect(window->CloseButton()->mapTo(window, QPoint(0, 0)), window->CloseButton()->size())));
  window->reject();
}

// The heat map takes the pressure chart's place at the press of a button, draws the dive as the
// core does, moves the readouts, and comes back as left on the next start.
TEST_F(DivePages, TissuePageSwitchesToTheHeatMapAndKeepsTheChoice) {
  state.SetModel(2);
  Load({DiveWithDepths({0, 12, 30, 30, 22, 9, 5, 5, 0})});
  TissuePage page(state, time);
  page.show();
  Show(page, 0);
  EXPECT_TRUE(page.HeatMapChart()->isHidden());
  page.HeatMapButton()->click();
  EXPECT_TRUE(page.PressureChart()->isHidden());
  EXPECT_FALSE(page.HeatMapChart()->isHidden());
  EXPECT_EQ(settings.GetSetting("TissueHeatMap", ""), "1");
  QApplication::processEvents();
  const AnalysedDive dive = state.Analysis().Analysed(0);
  ChartView alone;
  alone.resize(page.HeatMapChart()->size());
  DrawTissueHeatMap(*dive.Profile, *dive.Saturation, state.Analysis().Model(), alone.Surface(),
                    state.ChartPalette());
  EXPECT_EQ(page.HeatMapChart()->ChartImage(), alone.ChartImage());
  emit page.HeatMapChart()->MouseMoved(150, 0);
  EXPECT_EQ(page.HeatMapChart()->CursorX(), 150);
  EXPECT_EQ(page.OverSaturationChart()->CursorX(), 150);
  EXPECT_NE(page.OverSaturationReadout()->text(), "");

  TissuePage again(state, time);
  EXPECT_TRUE(again.HeatMapButton()->isChecked());
  again.HeatMapButton()->click();
  EXPECT_EQ(settings.GetSetting("TissueHeatMap", ""), "0");
  EXPECT_TRUE(again.HeatMapChart()->isHidden());
}

}  // namespace
}  // namespace scrb
