// File > Print and File > Export Dive Report as PDF in the window: the printer prints into a PDF
// file, which is read back with pdftotext.

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include "AppTestWindow.h"

namespace scrb {
namespace {

using test::MenuAction;
using Window = test::TestWindow;

QString PdfText(const QString& path) {
  QProcess pdftotext;
  pdftotext.start("pdftotext", {"-enc", "UTF-8", path, "-"});
  pdftotext.waitForFinished(30000);
  return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// Three dives numbered 21 to 23, the last one selected after opening.
void OpenThreeDives(Window& w) {
  std::vector<test::EntryBuilder> entries(3);
  for (int i = 0; i < 3; ++i) entries[static_cast<size_t>(i)].DiveNumber = 21 + i;
  w.Start();
  w.form->OpenLogbook(test::WriteLogbook("three.log", test::BuildLogbook(entries)));
}

TEST(ReportMenu, PrintSendsTheChosenDivesOrThePageRangeToThePrinter) {
  Window w;
  OpenThreeDives(w);
  const QString pdf = w.folder.filePath("printed.pdf");
  w.dialogs.printFile = pdf;
  struct Case {
    ReportScope Scope;
    int From, To;
    QStringList Expected;
  };
  for (const Case& c : {Case{ReportScope::CurrentDive, 0, 0, {"Dive Number: 23", "Page 1 of 1"}},
                        Case{ReportScope::AllDives, 0, 0, {"Dive Number: 21", "Page 3 of 3"}},
                        Case{ReportScope::AllDives, 2, 2, {"Dive Number: 22", "Page 2 of 3"}}}) {
    QFile::remove(pdf);
    w.dialogs.scopeAnswers = {c.Scope};
    w.dialogs.printFrom = c.From;
    w.dialogs.printTo = c.To;
    MenuAction(*w.form, "&Print")->trigger();
    const QString text = PdfText(pdf);
    EXPECT_EQ(text.count('\f'), c.Scope == ReportScope::AllDives && c.From == 0 ? 3 : 1);
    for (const QString& part : c.Expected) EXPECT_TRUE(text.contains(part)) << part.toStdString();
    EXPECT_TRUE(w.Status().startsWith("Dive report sent to the printer"))
        << w.Status().toStdString();
  }
  EXPECT_EQ(w.dialogs.printPageCount, 3);
  EXPECT_TRUE(w.messages.isEmpty()) << w.messages.join("|").toStdString();

  // Cancelling the choice or the print dialog prints nothing.
  QFile::remove(pdf);
  MenuAction(*w.form, "&Print")->trigger();
  w.dialogs.scopeAnswers = {ReportScope::AllDives};
  w.dialogs.printFile.clear();
  MenuAction(*w.form, "&Print")->trigger();
  EXPECT_FALSE(QFile::exists(pdf));
}

TEST(ReportMenu, ExportWritesThePdfOrSaysWhyNot) {
  Window w;
  OpenThreeDives(w);
  const QString pdf = w.folder.filePath("report");  // the extension is added
  w.dialogs.scopeAnswers = {ReportScope::CurrentDive, ReportScope::AllDives};
  w.dialogs.saveAnswers = {pdf, w.folder.filePath("missing/report.pdf")};
  MenuAction(*w.form, "Export Dive Report as PDF...")->trigger();
  EXPECT_TRUE(PdfText(pdf + ".pdf").contains("Dive Number: 23"));
  EXPECT_TRUE(w.Status().contains("report.pdf: 1 page")) << w.Status().toStdString();
  EXPECT_TRUE(w.dialogs.dialogFolders.last().endsWith("three-dive-23.pdf"))
      << w.dialogs.dialogFolders.last().toStdString();

  MenuAction(*w.form, "Export Dive Report as PDF...")->trigger();
  ASSERT_EQ(w.messages.size(), 1);
  EXPECT_TRUE(w.messages[0].startsWith("The dive report could not be written to "));
  EXPECT_FALSE(QFileInfo::exists(w.folder.filePath("missing")));

  // Without dives there is nothing to report; the window says so instead of a blank page.
  Window empty;
  empty.Start();
  MenuAction(*empty.form, "&Print")->trigger();
  EXPECT_EQ(empty.messages, QStringList({"There is no dive loaded to put in a report."}));
}

}  // namespace
}  // namespace scrb
