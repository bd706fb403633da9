// File > Print, Export Dive Report as PDF and Export Logbook as UDDF as a diver meets them: the
// printer prints into a PDF file, read back with pdftotext; the UDDF file meets its schema.

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "support/HostTools.h"
#include "AppTestWindow.h"
#include "render/SaveFile.h"
#include "support/PdfText.h"
#include "support/UddfSchema.h"

namespace scrb {
namespace {

using test::MenuAction;

QString PdfText(const QString& path) {
  return QString::fromStdString(test::PdfText(path.toStdString()));
}

// Three dives numbered 21 to 23, the last one selected. Without dives there is nothing to report
// or export. Cancelling the choice of dives or the print dialog prints nothing; a report that
// cannot be written says so.
TEST(MainWindowExport, ReportsOfTheChosenDivesOrPagesOnlyWithDives) {
  SCRB_NEEDS_TOOL("pdftotext");
  test::TestWindow w;
  w.Start();
  QAction* uddf = w.form->findChild<QAction*>("ExportUddfAction");
  EXPECT_FALSE(uddf->isEnabled());
  const QString logbook = test::LogbookFile("three.log", 3, 21);
  w.form->OpenLogbook(logbook);
  EXPECT_TRUE(uddf->isEnabled());
  w.form->OpenLogbook(test::WriteLogbook("none.log", test::BuildLogbook({})));
  EXPECT_FALSE(uddf->isEnabled());
  MenuAction(*w.form, "&Print")->trigger();
  WaitForReport(*w.form);
  EXPECT_EQ(w.messages, QStringList({"There is no dive loaded to put in a report."}));
  w.messages.clear();
  w.form->MergeLogbook(logbook);
  EXPECT_TRUE(uddf->isEnabled());
  Table(*w.form).SelectListIndex(2);

  const QString pdf = w.folder.filePath("printed.pdf");
  w.dialogs.printFile = pdf;
  for (const auto& [scope, from, expected, pages] :
       {std::tuple{ReportScope::CurrentDive, 0, QStringList{"Dive Number: 23", "Page 1 of 1"},
                   "1 page"},
        std::tuple{ReportScope::AllDives, 0, QStringList{"Dive Number: 21", "Page 3 of 3"},
                   "3 pages"},
        std::tuple{ReportScope::AllDives, 2, QStringList{"Dive Number: 22", "Page 2 of 3"},
                   "1 page"}}) {
    QFile::remove(pdf);
    w.dialogs.scopeAnswers = {scope};
    w.dialogs.printFrom = w.dialogs.printTo = from;
    MenuAction(*w.form, "&Print")->trigger();
    WaitForReport(*w.form);
    const QString text = PdfText(pdf);
    EXPECT_EQ(text.count('\f'), scope == ReportScope::AllDives && from == 0 ? 3 : 1);
    for (const QString& part : expected) EXPECT_TRUE(text.contains(part)) << part.toStdString();
    // Printed to a file, the status names the file rather than a printer.
    EXPECT_EQ(w.Status(),
              QString("Dive report written to %1: %2.").arg(QDir::toNativeSeparators(pdf), pages));
  }
  EXPECT_EQ(w.dialogs.printPageCount, 3);
  QFile::remove(pdf);
  MenuAction(*w.form, "&Print")->trigger();
  WaitForReport(*w.form);
  w.dialogs.scopeAnswers = {ReportScope::AllDives};
  w.dialogs.printFile.clear();
  MenuAction(*w.form, "&Print")->trigger();
  WaitForReport(*w.form);
  EXPECT_FALSE(QFile::exists(pdf));
  EXPECT_TRUE(w.messages.isEmpty()) << w.messages.join("|").toStdString();

  const QString report = w.folder.filePath("report");  // the extension is added
  w.dialogs.scopeAnswers = {ReportScope::CurrentDive, ReportScope::AllDives};
  w.dialogs.saveAnswers = {report, w.folder.filePath("missing/report.pdf")};
  MenuAction(*w.form, "Export Dive Report as P&DF...")->trigger();
  WaitForReport(*w.form);
  EXPECT_TRUE(PdfText(report + ".pdf").contains("Dive Number: 23"));
  EXPECT_TRUE(w.Status().contains("report.pdf: 1 page")) << w.Status().toStdString();
  EXPECT_TRUE(w.dialogs.dialogFolders.last().endsWith("three-dive-23.pdf"));
  MenuAction(*w.form, "Export Dive Report as P&DF...")->trigger();
  WaitForReport(*w.form);
  ASSERT_EQ(w.messages.size(), 1);
  EXPECT_TRUE(w.messages[0].startsWith("The dive report could not be written to "));
  EXPECT_FALSE(QFileInfo::exists(w.folder.filePath("missing")));
}

// Every dive into the file, or a message why not. Running as root, a read-only folder would still
// take the file: a folder that does not exist and a path that is a folder stand in for a place
// the user cannot write to.
TEST(MainWindowExport, UddfWritesEveryDiveOrSaysWhyNot) {
  test::TestWindow w;
  w.Start();
  const QString logbook = test::LogbookFile("season.log", 2);
  w.form->OpenLogbook(logbook);
  w.dialogs.yesNoAnswers = {true};  // merged a second time, on the user's word
  w.form->MergeLogbook(logbook);
  const QString target = w.folder.filePath("season");
  QDir(w.folder.path()).mkdir("taken.uddf");
  const QStringList unwritable = {w.folder.filePath("gone/dives.uddf"),
                                  w.folder.filePath("taken.uddf")};
  w.dialogs.saveAnswers = QStringList{target} + unwritable;
  QAction* uddf = MenuAction(*w.form, "Export Logbook as &UDDF...");
  uddf->trigger();
  // The dialog starts at the logbook's name as .uddf; a name without extension gets it.
  EXPECT_EQ(w.dialogs.dialogFolders.last(), QFileInfo(logbook).absolutePath() + "/season.uddf");
  EXPECT_EQ(w.Status(), "4 dives exported to " + target + ".uddf.");
  EXPECT_EQ(test::UddfSchemaErrors((target + ".uddf").toStdString()), "");
  for (const QString& path : unwritable) {
    uddf->trigger();
    const QString message = w.messages.value(w.messages.size() - 1);
    EXPECT_TRUE(message.startsWith("The logbook cannot be exported to " + path + ": "));
    EXPECT_GT(message.size(), 40 + path.size());
    EXPECT_TRUE(w.Status().startsWith("4 dives exported to " + target));
  }
  EXPECT_FALSE(QFileInfo::exists(w.folder.filePath("gone")));
  uddf->trigger();  // cancelled
  EXPECT_EQ(w.messages.size(), 2);

  // The Subsurface entry offers the logbook's name as .ssrf and writes the whole logbook.
  w.dialogs.saveAnswers = {target};
  MenuAction(*w.form, "Export Logbook to &Subsurface...")->trigger();
  EXPECT_EQ(w.dialogs.dialogFolders.last(), QFileInfo(logbook).absolutePath() + "/season.ssrf");
  EXPECT_EQ(w.Status(), "4 dives exported to " + target + ".ssrf.");
  QFile written(target + ".ssrf");
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  const QByteArray xml = written.readAll();
  EXPECT_TRUE(xml.contains("<divelog program=")) << xml.left(200).toStdString();
  EXPECT_EQ(xml.count("<dive "), 4);
}

// A full disk half-way through, simulated by a file size limit: the message names the file and the
// system's reason, and nothing is left in the folder.
TEST(MainWindowExport, AFullDiskLeavesNothingAndSaysWhy) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no file size limit to make a write fail half-way";
#else
  test::TestWindow w;
  w.Start();
  const QString logbook = test::WriteLogbook("sample.log", test::SampleLogbook());
  w.form->OpenLogbook(logbook);
  const QString uddf = w.folder.filePath("dives.uddf"), pdf = w.folder.filePath("report.pdf");
  w.dialogs.saveAnswers = {uddf, pdf};
  w.dialogs.scopeAnswers = {ReportScope::AllDives};
  const QStringList before = QDir(w.folder.path()).entryList(QDir::Files);

  IgnoreFileSizeSignal();
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  const rlimit unlimited = limit;
  limit.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
  MenuAction(*w.form, "Export Logbook as &UDDF...")->trigger();
  MenuAction(*w.form, "Export Dive Report as P&DF...")->trigger();
  WaitForReport(*w.form);
  setrlimit(RLIMIT_FSIZE, &unlimited);

  EXPECT_EQ(w.messages.join("|").toStdString(),
            ("The logbook cannot be exported to " + uddf + ": File too large.|" +
             "The dive report could not be written to " + pdf + ".\r\n\r\nFile too large")
                .toStdString());
  EXPECT_EQ(QDir(w.folder.path()).entryList(QDir::Files), before);
#endif
}

}  // namespace
}  // namespace scrb
