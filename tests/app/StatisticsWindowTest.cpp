// The Statistics window as a diver meets it: opened from the menu, it sums up the listed dives in
// the background, follows a new logbook, selects a dive from the summary and reads the charts.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "support/HostTools.h"
#include "AppTestWindow.h"
#include "app/statistics/StatisticsWindow.h"
#include "support/PdfText.h"

namespace scrb {
namespace {

using test::MenuAction;

// Dives of `count` with profiles, one a day from 17 October 1998, each a metre deeper.
QString DivesWithProfiles(const std::string& name, int count, int firstNumber = 1) {
  std::vector<test::EntryBuilder> entries;
  for (int i = 0; i < count; ++i) {
    test::EntryBuilder e;
    e.DiveNumber = firstNumber + i;
    e.DayCount += static_cast<uint32_t>(i);
    e.MaxDepth = 1000 + 100 * i;
    e.Partners = i % 2 == 0 ? "Anna, Ben" : "Ben";
    test::ProfileBuilder profile{
        .Samples = test::ProfileBuilder::FromDepths({5, 12, 20, 24, 24, 22, 15, 10, 5, 3, 3, 2}),
        .Status = {0x10, 0x20, 0x30, 0x10}};
    e.Profile = profile.Bytes();
    entries.push_back(e);
  }
  return test::WriteLogbook(name, test::BuildLogbook(entries));
}

StatisticsWindow* OpenStatistics(test::TestWindow& w) {
  MenuAction(*w.form, "&Statistics...")->trigger();
  StatisticsWindow* window = Statistics(*w.form);
  test::WaitForStatistics(*window);
  return window;
}

QLabel* LinkTo(StatisticsWindow& window, const QString& start) {
  for (QLabel* label : window.SummaryArea()->findChildren<QLabel*>()) {
    if (label->text().contains("<a href=") && label->text().contains(start)) return label;
  }
  return nullptr;
}

TEST(StatisticsWindow, SumsUpTheListedDivesAndSelectsTheDeepest) {
  test::TestWindow w;
  w.Start();
  w.form->OpenLogbook(DivesWithProfiles("three.log", 3, 21));
  Table(*w.form).SelectListIndex(0);
  StatisticsWindow* window = OpenStatistics(w);
  ASSERT_NE(window->Statistics(), nullptr);
  EXPECT_EQ(window->windowTitle(), "3 dives");
  EXPECT_FALSE(window->Working());
  EXPECT_FALSE(window->Progress()->isVisible());
  // Every dive's analysis is known to the owner now, for the table as well.
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(w.state->Analysis().KnownSummary(i)) << i;

  QLabel* deepest = LinkTo(*window, "12.0 m, dive 23");
  ASSERT_NE(deepest, nullptr);
  emit deepest->linkActivated("2");
  EXPECT_EQ(Table(*w.form).ListIndex(), 2);

  // Grouped by partner: Ben dives every time, Anna every other; a double-click asks the table
  // for the group's dives.
  window->Grouping()->setCurrentIndex(window->Grouping()->findData("partner"));
  test::WaitForStatistics(*window);
  const QAbstractItemModel* groups = window->GroupTable()->model();
  ASSERT_EQ(groups->rowCount(), 2);
  EXPECT_EQ(groups->index(0, 0).data().toString(), "Ben");
  EXPECT_EQ(groups->index(1, 0).data().toString() + " " + groups->index(1, 1).data().toString(),
            "Anna 2");
  // The figures line up on the right, the names on the left.
  EXPECT_EQ(groups->index(1, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
            Qt::AlignRight | Qt::AlignVCenter);
  EXPECT_FALSE(groups->index(1, 0).data(Qt::TextAlignmentRole).isValid());
  QSignalSpy showOnly(window, &StatisticsWindow::ShowOnlyDives);
  emit window->GroupTable()->doubleClicked(groups->index(1, 0));
  ASSERT_EQ(showOnly.size(), 1);
  EXPECT_EQ(showOnly[0][0].value<std::vector<int>>(), (std::vector<int>{0, 2}));
  EXPECT_EQ(showOnly[0][1].toString(), "Partner: Anna");
  // The table shows just those, and the window follows it; and then a search.
  QCoreApplication::processEvents();
  EXPECT_EQ(Table(*w.form).ShownDives(), (std::vector<int>{0, 2}));
  test::WaitForStatistics(*window);
  EXPECT_EQ(window->windowTitle(), "2 of 3 dives");
  Table(*w.form).ShowAllDives();
  Table(*w.form).SetSearchText("23");
  QCoreApplication::processEvents();
  test::WaitForStatistics(*window);
  EXPECT_EQ(window->windowTitle(), "1 of 3 dives (search: 23)");
  ASSERT_NE(window->Statistics(), nullptr);
  EXPECT_EQ(window->Statistics()->Deepest->Number, 23);
  Table(*w.form).SetSearchText("Elba");
  QCoreApplication::processEvents();
  test::WaitForStatistics(*window);
  EXPECT_EQ(window->windowTitle(), "0 of 3 dives (search: Elba)");
  EXPECT_EQ(window->GroupTable()->model()->rowCount(), 0);
  Table(*w.form).SetSearchText("");
  QCoreApplication::processEvents();
  test::WaitForStatistics(*window);

  // The charts' readout names the bar under the mouse.
  window->resize(800, 600);
  window->ChartChoice()->setCurrentIndex(0);
  emit window->Chart()->MouseMoved(0.5, 0);
  EXPECT_EQ(window->Readout()->text(), "1998: 3 dives, 2.3 hours");
  EXPECT_TRUE(window->Chart()->CursorX());
}

// Opening another logbook drops the work on the old one; the window sums up the new one.
TEST(StatisticsWindow, FollowsANewLogbookAndTheModel) {
  test::TestWindow w;
  w.Start();
  w.form->OpenLogbook(DivesWithProfiles("many.log", 400));
  MenuAction(*w.form, "&Statistics...")->trigger();
  StatisticsWindow* window = Statistics(*w.form);
  EXPECT_TRUE(window->Working());
  w.form->OpenLogbook(DivesWithProfiles("two.log", 2, 50));
  test::WaitForStatistics(*window);
  ASSERT_NE(window->Statistics(), nullptr);
  EXPECT_EQ(window->Statistics()->Dives, 2);
  EXPECT_EQ(window->windowTitle(), "2 dives");
  EXPECT_EQ(window->Statistics()->Deepest->Number, 51);

  const double underModel0 = window->Statistics()->HighestOverSaturation->Value;
  w.state->SetModel(1);
  QTest::qWait(300);  // the window looks at the analysis a few times a second
  test::WaitForStatistics(*window);
  ASSERT_NE(window->Statistics(), nullptr);
  EXPECT_NE(window->Statistics()->HighestOverSaturation->Value, underModel0);

  // Closed while working, the window waits for nothing long and leaves nothing running.
  w.form->OpenLogbook(DivesWithProfiles("again.log", 400));
  QCoreApplication::processEvents();
  EXPECT_TRUE(window->Working());
}

// The window opens over the pages, not over the table, with the whole group table; more room goes
// to the group table; Close and Escape close it.
TEST(StatisticsWindow, OpensOverThePagesWholeAndClosesWithEscape) {
  test::TestWindow w("NoWarning=1\nWindowState=0\n");
  w.Start();
  w.form->OpenLogbook(test::LogbookFile("sites.log", 12, 1, "Gerollhalde unter der Seilbahn"));
  StatisticsWindow* window = OpenStatistics(w);
  QApplication::processEvents();
  const QRect screen = window->screen()->availableGeometry();
  const int pagesLeft = DiveTab(*w.form)->mapToGlobal(QPoint(0, 0)).x();
  EXPECT_EQ(window->x(),
            std::max(screen.left(), std::min(pagesLeft, screen.right() - window->width())));
  EXPECT_GT(window->x(), DiveList(*w.form)->mapToGlobal(QPoint(0, 0)).x());
  for (const char* grouping : {"year", "site"}) {
    window->Grouping()->setCurrentIndex(window->Grouping()->findData(grouping));
    test::WaitForStatistics(*window);
    QApplication::processEvents();
    QTableView* groups = window->GroupTable();
    // Whole, or as wide as the screen lets the window be.
    EXPECT_TRUE(groups->horizontalHeader()->length() <= groups->viewport()->width() ||
                window->width() >= screen.width() * 9 / 10)
        << grouping;
  }

  // The summary's lines stay in sight beside the table, as far as a third of the screen allows.
  QWidget* summaryView = window->SummaryArea()->parentWidget();
  EXPECT_GE(summaryView->height(),
            std::min(window->SummaryArea()->sizeHint().height(), screen.height() / 3) - 4);
  const int groupHeight = window->GroupTable()->height();
  const int summaryHeight = window->SummaryArea()->parentWidget()->height();
  window->resize(window->width(), window->height() - 100);
  QApplication::processEvents();
  window->resize(window->width(), window->height() + 200);
  QApplication::processEvents();
  EXPECT_GE(window->GroupTable()->height(), groupHeight + 90);
  EXPECT_LE(window->SummaryArea()->parentWidget()->height(), summaryHeight + 10);

  window->findChild<QPushButton*>("StatisticsCloseButton")->click();
  EXPECT_FALSE(window->isVisible());
  for (QWidget* target : std::initializer_list<QWidget*>{window, window->GroupTable()}) {
    MenuAction(*w.form, "&Statistics...")->trigger();
    EXPECT_TRUE(window->isVisible());
    QTest::keyClick(target, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
  }
}

// File > Print and the PDF export offer a summary page of the dives the table shows before the
// dive pages.
TEST(StatisticsWindow, ReportsBeginWithASummaryPageWhenAsked) {
  SCRB_NEEDS_TOOL("pdftotext");
  test::TestWindow w;
  w.Start();
  w.form->OpenLogbook(DivesWithProfiles("three.log", 3, 21));
  Table(*w.form).SetSearchText("anna");
  QCoreApplication::processEvents();
  QTemporaryDir folder;
  const QString printed = folder.filePath("printed.pdf");
  w.dialogs.printFile = printed;
  w.dialogs.scopeAnswers = {ReportScope::SummaryAndAllDives, ReportScope::SummaryAndCurrentDive};
  MenuAction(*w.form, "&Print")->trigger();
  WaitForReport(*w.form);
  EXPECT_EQ(w.dialogs.printPageCount, 4);
  const QString exported = folder.filePath("exported.pdf");
  w.dialogs.saveAnswers = {exported};
  MenuAction(*w.form, "Export Dive Report as P&DF...")->trigger();
  WaitForReport(*w.form);
  for (const auto& [path, pages] : {std::pair{printed, 4}, std::pair{exported, 2}}) {
    const QStringList text = QString::fromStdString(test::PdfText(path.toStdString())).split('\f');
    ASSERT_GE(text.size(), pages) << path.toStdString();
    EXPECT_TRUE(text[0].contains("Logbook summary") &&
                text[0].contains("2 of 3 dives (search: anna)") &&
                text[0].contains(QString("Page 1 of %1").arg(pages)))
        << text[0].toStdString();
    EXPECT_TRUE(text[1].contains("Dive Number: 2")) << text[1].toStdString();
  }
}

// The summary page as a PDF viewer reads it, in every language: no text is cut short.
TEST(StatisticsWindow, SummaryPageTextsStandWholeInEveryLanguage) {
  SCRB_NEEDS_TOOL("pdftotext");
  std::vector<test::EntryBuilder> entries(12);
  for (int i = 0; i < 12; ++i) {
    test::EntryBuilder& e = entries[static_cast<size_t>(i)];
    e.DiveNumber = 1500 + i;
    e.DayCount += static_cast<uint32_t>(40 * i);
    e.Site = i % 3 == 0   ? "Gerollhalde unter der Seilbahn"
             : i % 3 == 1 ? "Terlinden"
                          : "Capo di Sant'Andrea";
    e.Partners = "Anna-Katharina Oberhollenzer, Ben";
    test::ProfileBuilder profile{
        .Samples = test::ProfileBuilder::FromDepths({5, 12, 20, 24, 24, 22, 15, 10, 5, 3, 3, 2}),
        .Status = {0x10, 0x20, 0x30, 0x10}};
    e.Profile = profile.Bytes();
  }
  test::TestWindow w;
  w.Start();
  w.form->OpenLogbook(test::WriteLogbook("sites.log", test::BuildLogbook(entries)));
  QTemporaryDir folder;
  for (const char* language : {"en", "de", "fr", "it"}) {
    w.state->SetLanguage(language);
    const QString path = folder.filePath(QString("summary-%1.pdf").arg(language));
    w.dialogs.scopeAnswers = {ReportScope::SummaryAndCurrentDive};
    w.dialogs.saveAnswers = {path};
    w.form->findChild<ReportPrinting*>()->ExportPdf();
    WaitForReport(*w.form);
    const QString summary =
        QString::fromStdString(test::PdfText(path.toStdString())).split('\f').value(0);
    ASSERT_FALSE(summary.isEmpty()) << language;
    EXPECT_FALSE(summary.contains(QChar(0x2026)) || summary.contains("..."))
        << language << "\n"
        << summary.toStdString();
    for (const char* word : {"Gerollhalde", "Seilbahn", "Sant'Andrea", "Oberhollenzer"})
      EXPECT_TRUE(summary.contains(word)) << language << " " << word;
  }
  w.state->SetLanguage("en");
}

}  // namespace
}  // namespace scrb
