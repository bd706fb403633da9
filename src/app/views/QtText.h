#pragma once

#include <QString>
#include <string>

namespace scrb {

// The core's texts are UTF-8 in std::string; the window shows them as QString.
inline QString ToQt(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace scrb
