#pragma once

#include <QProcess>
#include <QStringList>
#include <sstream>
#include <string>
#include <vector>

namespace scrb::test {

// A PDF file's text as pdftotext reads it back, a form feed after each page.
inline std::string PdfText(const std::string& path) {
  QProcess pdftotext;
  pdftotext.start("pdftotext", {"-enc", "UTF-8", QString::fromStdString(path), "-"});
  pdftotext.waitForFinished(30000);
  return pdftotext.readAllStandardOutput().toStdString();
}

// Each page's text.
inline std::vector<std::string> PdfPages(const std::string& path) {
  std::istringstream text(PdfText(path));
  std::vector<std::string> pages;
  for (std::string page; std::getline(text, page, '\f');)
    if (!page.empty() && page != "\n") pages.push_back(page);
  return pages;
}

}  // namespace scrb::test
