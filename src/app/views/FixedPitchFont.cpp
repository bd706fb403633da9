#include "app/views/FixedPitchFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QString>

namespace scrb {

namespace {

// Font databases do not always flag a monospaced face as fixed pitch; equal advances do not lie.
bool IsMonospaced(const QFont& font) {
  const QFontMetrics metrics(font);
  return metrics.horizontalAdvance(QStringLiteral("iiiiii")) ==
         metrics.horizontalAdvance(QStringLiteral("WWWWWW"));
}

}  // namespace

QFont FixedPitchFont(std::initializer_list<const char*> families) {
  for (const char* family : families) {
    QFont font(family);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    // A family that is not installed is replaced by some other face: take it only as itself.
    if (QFontInfo(font).family().compare(family, Qt::CaseInsensitive) == 0 && IsMonospaced(font))
      return font;
  }
  return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

}  // namespace scrb
