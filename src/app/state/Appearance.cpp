#include "app/state/Appearance.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

#include "app/state/ReadableIndicators.h"

namespace scrb {

namespace {

const QString& DesktopStyleName() {
  static const QString name = QApplication::style()->name();
  return name;
}

// Windows' own style draws its controls light whatever the palette says.
bool DesktopStyleIgnoresDarkPalettes() {
  return DesktopStyleName().compare("windowsvista", Qt::CaseInsensitive) == 0;
}

void UseStyle(const QString& name, bool readableIndicators = false) {
  if (UsesStyle(QApplication::style(), name, readableIndicators)) return;
  if (QStyle* style = CreateStyle(name, readableIndicators)) QApplication::setStyle(style);
}

QColor ToQColor(Rgb color) {
  return QColor(color.R, color.G, color.B);
}

// The window in the chart palette's own colours, so that the window and its charts match and
// links and selections keep their contrast on its background.
QPalette WindowPalette(const Palette& charts, QPalette palette) {
  const QColor background = ToQColor(charts.Background);
  const QColor text = ToQColor(charts.Text);
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button,
                                           QPalette::AlternateBase, QPalette::ToolTipBase}) {
      palette.setColor(group, role, background);
    }
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText,
          QPalette::BrightText, QPalette::PlaceholderText}) {
      palette.setColor(group, role, text);
    }
    palette.setColor(group, QPalette::Link, ToQColor(charts.Data));
    palette.setColor(group, QPalette::LinkVisited, ToQColor(charts.Tissues[3]));
    palette.setColor(group, QPalette::Highlight, ToQColor(charts.Data));
    palette.setColor(group, QPalette::HighlightedText, background);
    palette.setColor(group, QPalette::Mid, ToQColor(charts.Grid));
    palette.setColor(group, QPalette::Dark, ToQColor(charts.Grid));
    palette.setColor(group, QPalette::Light, ToQColor(charts.PageRule));
  }
  palette.setColor(QPalette::Disabled, QPalette::WindowText, ToQColor(charts.PageRule));
  palette.setColor(QPalette::Disabled, QPalette::Text, ToQColor(charts.PageRule));
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, ToQColor(charts.PageRule));
  return palette;
}

}  // namespace

std::string AppearanceSettingName(Appearance appearance) {
  switch (appearance) {
    case Appearance::Light:
      return "light";
    case Appearance::Dark:
      return "dark";
    case Appearance::HighContrast:
      return "high-contrast";
    case Appearance::Desktop:
      break;
  }
  return "desktop";
}

Appearance AppearanceFromSetting(const std::string& text) {
  for (const Appearance a : {Appearance::Light, Appearance::Dark, Appearance::HighContrast}) {
    if (text == AppearanceSettingName(a)) return a;
  }
  return Appearance::Desktop;
}

QPalette ReadableDarkWindowsPalette(QPalette palette) {
  palette.setColor(QPalette::AlternateBase, palette.color(QPalette::Base).lighter(130));
  palette.setColor(QPalette::ToolTipBase, palette.color(QPalette::Button));
  palette.setColor(QPalette::ToolTipText, palette.color(QPalette::ButtonText));
  palette.setColor(QPalette::Link, palette.color(QPalette::Highlight).lighter(170));
  palette.setColor(QPalette::LinkVisited, palette.color(QPalette::Highlight).lighter(140));
  return palette;
}

bool DesktopChangeNeedsApplying() {
  return DesktopStyleIgnoresDarkPalettes();
}

bool IsDarkPalette(const QPalette& palette) {
  return palette.color(QPalette::Window).lightness() < 128;
}

const Palette& ChartPaletteFor(Appearance appearance, bool darkDesktop) {
  switch (appearance) {
    case Appearance::Light:
      return Palette::Classic();
    case Appearance::Dark:
      return Palette::Dark();
    case Appearance::HighContrast:
      return Palette::HighContrast();
    case Appearance::Desktop:
      break;
  }
  return darkDesktop ? Palette::Dark() : Palette::Classic();
}

bool ApplyAppearance(Appearance appearance) {
  const QString fusion = QStringLiteral("Fusion");
  const QString& desktopStyle = DesktopStyleName();  // before the first change of style
  // Dark and High contrast draw check boxes and radio buttons in the text colour: the styles'
  // own, a shade off the window's colour, all but vanish on a dark window and fall short of high
  // contrast on a white one.
  const bool readable = appearance == Appearance::Dark || appearance == Appearance::HighContrast;
  UseStyle(appearance == Appearance::Dark ? fusion : desktopStyle, readable);
  // An empty palette hands the application back to the desktop's, changes included.
  QApplication::setPalette(QPalette());
  const bool darkDesktop = IsDarkPalette(QApplication::palette());
  switch (appearance) {
    case Appearance::Dark:
      QApplication::setPalette(WindowPalette(Palette::Dark(), QApplication::palette()));
      break;
    case Appearance::HighContrast:
      QApplication::setPalette(WindowPalette(Palette::HighContrast(), QApplication::palette()));
      break;
    case Appearance::Light:
      if (darkDesktop) {
        UseStyle(fusion);
        QApplication::setPalette(QApplication::style()->standardPalette());
      }
      break;
    case Appearance::Desktop:
      // On a dark Windows desktop the window takes the style that follows the palette.
      if (darkDesktop && DesktopStyleIgnoresDarkPalettes()) {
        UseStyle(fusion);
        QApplication::setPalette(ReadableDarkWindowsPalette(QApplication::palette()));
      }
      break;
  }
  return darkDesktop;
}

}  // namespace scrb
