#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace scrb {

// The core's texts are UTF-8 in std::string; the window shows them as QString.
inline QString ToQt(const std::string& text) {
  return QString::fromStdString(text);
}

inline QStringList ToQt(const std::vector<std::string>& texts) {
  QStringList list;
  for (const std::string& text : texts) list << ToQt(text);
  return list;
}

}  // namespace scrb
