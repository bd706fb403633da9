// The appearance: read at start-up, switched at run time on the same dive and page, Desktop
// following the desktop's palette, and chosen in Preferences.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>

#include "AppTestWindow.h"
#include "app/dialogs/PreferencesDialog.h"
#include "app/state/ReadableIndicators.h"
#include "app/state/WindowSettings.h"

namespace scrb {
namespace {

QColor ToQColor(Rgb c) {
  return QColor(c.R, c.G, c.B);
}

// The colour in the chart's top left corner, which no chart draws on.
QColor Ground(MainWindow& form, int page) {
  DiveTab(form)->setCurrentIndex(page);
  return Page(form, page)->findChild<ChartView*>()->ChartImage().pixelColor(1, 1);
}

// The application's look is shared by every test: each leaves it as the desktop's.
struct AppearanceTest : ::testing::Test {
  void TearDown() override { ApplyAppearance(Appearance::Desktop); }
};

// Each appearance reads back as itself; a value that names none means Desktop.
TEST_F(AppearanceTest, SettingValuesAndTheFallbackForAnUnknownOne) {
  for (const Appearance a :
       {Appearance::Desktop, Appearance::Light, Appearance::Dark, Appearance::HighContrast}) {
    EXPECT_EQ(AppearanceFromSetting(AppearanceSettingName(a)), a) << AppearanceSettingName(a);
  }
  for (const char* unknown : {"", "Dark", "high contrast", "2"}) {
    EXPECT_EQ(AppearanceFromSetting(unknown), Appearance::Desktop) << unknown;
  }
  // Dark is Fusion in the dark chart colours, links included.
  test::TestWindow w("NoWarning=1\nAppearance=dark\n");
  ASSERT_TRUE(w.Start());
  EXPECT_EQ(&w.state->ChartPalette(), &Palette::Dark());
  EXPECT_TRUE(UsesStyle(QApplication::style(), "Fusion", true));
  const QPalette window = QApplication::palette();
  EXPECT_EQ(window.color(QPalette::Window), ToQColor(Palette::Dark().Background));
  EXPECT_GE(ContrastRatio(Palette::Dark().Data, Palette::Dark().Background), 4.5);
  EXPECT_EQ(window.color(QPalette::Link), ToQColor(Palette::Dark().Data));
}

TEST_F(AppearanceTest, SwitchedOnTheSameDiveAndPageAndPaperStaysClassic) {
  test::TestWindow w("NoWarning=1\n");
  ASSERT_TRUE(w.Start());
  ASSERT_TRUE(w.form->OpenLogbook(QString::fromStdString(test::SourcePath("examples/sample.log"))));
  Table(*w.form).SelectListIndex(3);
  constexpr int kDive = 1;
  constexpr int kTissues = 5;
  EXPECT_EQ(Ground(*w.form, kDive), ToQColor(Palette::Classic().Background));
  QSignalSpy changes(w.state.get(), &LogbookState::SettingsChanged);

  const std::pair<Appearance, const Palette*> steps[] = {
      {Appearance::Dark, &Palette::Dark()},
      {Appearance::HighContrast, &Palette::HighContrast()},
      {Appearance::Light, &Palette::Classic()}};
  for (const auto& [appearance, palette] : steps) {
    w.state->SetAppearance(appearance);
    EXPECT_EQ(w.Saved(settings::kAppearance), AppearanceSettingName(appearance));
    EXPECT_EQ(Table(*w.form).ListIndex(), 3);
    EXPECT_EQ(&w.state->ChartPalette(), palette);
    EXPECT_EQ(Ground(*w.form, kTissues), ToQColor(palette->Background));
    EXPECT_EQ(Ground(*w.form, kDive), ToQColor(palette->Background));
  }
  ASSERT_EQ(changes.size(), 3);
  EXPECT_TRUE(changes.front().front().value<SettingChanges>() & SettingChange::Appearance);
  w.state->SetAppearance(Appearance::Light);  // no change, nothing to redraw
  EXPECT_EQ(changes.size(), 3);
}

TEST_F(AppearanceTest, DesktopFollowsTheDesktopsPaletteWhileRunning) {
  test::TestWindow w("NoWarning=1\n");
  ASSERT_TRUE(w.Start());
  ASSERT_TRUE(w.form->OpenLogbook(QString::fromStdString(test::SourcePath("examples/sample.log"))));
  Table(*w.form).SelectListIndex(0);
  ASSERT_EQ(&w.state->ChartPalette(), &Palette::Classic());
  QSignalSpy changes(w.state.get(), &LogbookState::SettingsChanged);

  QPalette night = QApplication::palette();
  night.setColor(QPalette::Window, QColor(20, 20, 20));
  night.setColor(QPalette::WindowText, QColor(230, 230, 230));
  QApplication::setPalette(night);  // as the desktop's theme would
  EXPECT_EQ(&w.state->ChartPalette(), &Palette::Dark());
  ASSERT_EQ(changes.size(), 1);
  EXPECT_EQ(Ground(*w.form, 1), ToQColor(Palette::Dark().Background));

  // A chosen appearance stays whatever the desktop does.
  w.state->SetAppearance(Appearance::Light);
  QApplication::setPalette(night);
  EXPECT_EQ(&w.state->ChartPalette(), &Palette::Classic());
}

// Qt 6.4's dark palette for Windows shades alternate rows and tooltips in its accent blue and
// draws links in pure blue: mended, every other row is a grey of the base, never the selection's
// colour, and text and links read on both rows.
TEST_F(AppearanceTest, DarkWindowsRowsAreGreyAndLinksRead) {
  QPalette windows;
  windows.setColor(QPalette::Base, QColor(0x2D, 0x2D, 0x2D));
  windows.setColor(QPalette::Text, Qt::white);
  windows.setColor(QPalette::Button, QColor(0x3C, 0x3C, 0x3C));
  windows.setColor(QPalette::ButtonText, Qt::white);
  windows.setColor(QPalette::Highlight, QColor(0x00, 0x55, 0xFF));
  windows.setColor(QPalette::AlternateBase, QColor(0x00, 0x27, 0x76));
  windows.setColor(QPalette::Link, Qt::blue);
  const QPalette mended = ReadableDarkWindowsPalette(windows);
  const auto contrast = [](const QColor& a, const QColor& b) {
    return ContrastRatio({a.red(), a.green(), a.blue()}, {b.red(), b.green(), b.blue()});
  };
  const QColor rows = mended.color(QPalette::AlternateBase);
  EXPECT_EQ(rows.hsvSaturation(), 0);
  EXPECT_NE(rows, mended.color(QPalette::Base));
  EXPECT_LT(contrast(rows, mended.color(QPalette::Base)), 1.5);
  EXPECT_EQ(mended.color(QPalette::ToolTipBase).hsvSaturation(), 0);
  for (const QPalette::ColorRole ground : {QPalette::Base, QPalette::AlternateBase}) {
    EXPECT_GE(contrast(mended.color(QPalette::Text), mended.color(ground)), 7);
    EXPECT_GE(contrast(mended.color(QPalette::Link), mended.color(ground)), 4.5);
  }
}

// The strongest contrast between a colour and any pixel of a control's indicator (its square or
// circle), of the indicator's centre alone, or of all of the control.
enum class Part { Indicator, Centre, Whole };
double MostContrast(QWidget& control, Part part, const QColor& against) {
  control.adjustSize();
  const QImage image = control.grab().toImage();
  QStyleOptionButton option;
  option.initFrom(&control);
  const bool radio = qobject_cast<QRadioButton*>(&control) != nullptr;
  const QRect indicator = control.style()->subElementRect(
      radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, &control);
  double most = 1;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (part != Part::Whole && !indicator.contains(x, y)) continue;
      if (part == Part::Centre &&
          (std::abs(x - indicator.center().x()) > 1 || std::abs(y - indicator.center().y()) > 1))
        continue;
      const QColor c = image.pixelColor(x, y);
      most = std::max(most, ContrastRatio({c.red(), c.green(), c.blue()},
                                          {against.red(), against.green(), against.blue()}));
    }
  }
  return most;
}

// In Dark and High contrast an empty check box, radio button and text field are framed to stand
// out from the window as a control must (3:1), and the chosen radio button's dot stands out from
// its ground as text does.
TEST_F(AppearanceTest, CheckBoxesRadioButtonsAndFieldsAreReadable) {
  for (const Appearance appearance : {Appearance::Dark, Appearance::HighContrast}) {
    SCOPED_TRACE(AppearanceSettingName(appearance));
    ApplyAppearance(appearance);
    const QColor window = QApplication::palette().color(QPalette::Window);
    QCheckBox box(QStringLiteral("Carry nitrogen over"));
    QRadioButton chosen(QStringLiteral("Model 1"));
    chosen.setChecked(true);
    QRadioButton other(QStringLiteral("Model 2"));
    QLineEdit field;
    EXPECT_GE(MostContrast(box, Part::Indicator, window), 3);
    EXPECT_GE(MostContrast(other, Part::Indicator, window), 3);
    EXPECT_GE(MostContrast(field, Part::Whole, window), 3);
    EXPECT_GE(MostContrast(chosen, Part::Centre, QApplication::palette().color(QPalette::Base)),
              4.5);
  }
}

TEST_F(AppearanceTest, ChosenInPreferences) {
  test::TestWindow w("NoWarning=1\n");
  ASSERT_TRUE(w.Start());
  for (const auto& [index, button, expected] :
       {std::tuple{2, "CancelButton", Appearance::Desktop},
        std::tuple{3, "OkButton", Appearance::HighContrast}}) {
    QTimer::singleShot(0, [index, button] {
      auto* dialog = qobject_cast<PreferencesDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      EXPECT_EQ(dialog->AppearanceBox()->count(), 4);
      dialog->AppearanceBox()->setCurrentIndex(index);
      dialog->findChild<QPushButton*>(button)->click();
    });
    w.form->ShowPreferences();
    EXPECT_EQ(w.state->ChosenAppearance(), expected);
  }
  EXPECT_EQ(w.Saved(settings::kAppearance), "high-contrast");
}

}  // namespace
}  // namespace scrb
