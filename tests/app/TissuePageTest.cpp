#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "AppTestWindow.h"
#include "app/ChartView.h"
#include "app/ScrbLeg.h"
#include "app/TissuePage.h"
#include "saturation/SaturationFixtures.h"

namespace scrb {
namespace {

class TissuePageTest : public ::testing::Test {
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

  void Show(int index) { test::ShowOnPage(context, page, index); }

  DiveRecord& Dive(int index) { return context.Book.Dives[static_cast<size_t>(index)]; }

  AppContext context;
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
  for (const Case& c : {Case{"0.1", 1.0}, Case{"abc", 1.0}, Case{"  1.000", 1.0}, Case{"1.2", 1.2}}) {
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

TEST_F(TissuePageTest, EveryWayOfClosingActsAsTheCloseButton) {
  Show(1);
  ScrbLeg* window = page.ModelWindow();
  window->Prepare();
  window->show();
  window->Text1()->setText("0.9");
  window->close();  // the window system's close control
  EXPECT_EQ(Dive(1).SurfacePressure, 0.9);
  window->Prepare();
  window->show();
  window->Text1()->setText("0.8");
  window->reject();  // Escape
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(Dive(1).SurfacePressure, 0.8);
  EXPECT_EQ(redraws, 2);
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
