#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <cstdlib>

#include "AppTestWindow.h"
#include "app/table/DiveTableModel.h"

namespace scrb {
namespace {

using test::EntryBuilder;
using Window = test::TestWindow;

// Six dives: two equally deep, one of unknown depth, two with the number 13.
QString TableLogbook() {
  struct Dive {
    int number;
    const char* location;
    int depth;
  } dives[] = {{10, "Elba", 1898},  {11, "Giglio", 3000}, {12, "Elba", 0x7FFF},
               {13, "Capri", 1200}, {13, "Elba", 2500},   {15, "Capri", 3000}};
  std::vector<EntryBuilder> entries;
  for (const Dive& d : dives) {
    EntryBuilder entry;
    entry.DiveNumber = d.number;
    entry.Location = d.location;
    entry.MaxDepth = d.depth;
    entries.push_back(entry);
  }
  return test::WriteLogbook("table.log", test::BuildLogbook(entries));
}

int Section(const MainWindow& form, TableColumn column) {
  return TableModel(form)->SectionOf(column);
}

void Settle() {
  QApplication::processEvents();
  QApplication::processEvents();
}

// Previous and Next follow the rows as shown; a search hides rows but the pages keep their dive;
// Escape shows every dive again, as does choosing a dive the search hides.
TEST(DiveTable, NavigationSearchAndSortInViewOrder) {
  Window w;
  w.Start();
  w.form->OpenLogbook(TableLogbook());
  DiveList(*w.form)->sortByColumn(Section(*w.form, TableColumn::MaxDepth), Qt::DescendingOrder);
  EXPECT_EQ(Table(*w.form).ShownDives(), (std::vector<int>{1, 5, 4, 0, 3, 2}));
  EXPECT_EQ(Table(*w.form).ListIndex(), 5);  // the last dive, selected on opening, stays selected
  Table(*w.form).StepDive(1);
  EXPECT_EQ(Table(*w.form).ListIndex(), 4);
  Table(*w.form).StepDive(-1);
  Table(*w.form).StepDive(-1);
  Table(*w.form).StepDive(-1);
  EXPECT_EQ(Table(*w.form).ListIndex(), 1);
  DiveList(*w.form)->sortByColumn(Section(*w.form, TableColumn::MaxDepth), Qt::AscendingOrder);
  EXPECT_EQ(Table(*w.form).ShownDives(), (std::vector<int>{3, 0, 4, 1, 5, 2}));
  EXPECT_EQ(Table(*w.form).ListIndex(), 1);
  Settle();
  QTableView* table = DiveList(*w.form);
  EXPECT_TRUE(table->viewport()->rect().intersects(table->visualRect(table->currentIndex())));

  QSignalSpy changes(&Table(*w.form), &DiveTablePane::ShownDivesChanged);
  QTest::keySequence(w.form.get(), QKeySequence::Find);
  EXPECT_TRUE(SearchField(*w.form)->hasFocus() || QApplication::focusWidget() == nullptr);
  Table(*w.form).SetSearchText("ELBA");
  EXPECT_EQ(Table(*w.form).ShownDives(), (std::vector<int>{0, 4, 2}));
  EXPECT_EQ(w.Status(), "3 of 6 dives shown");
  EXPECT_EQ(Table(*w.form).SearchText(), "ELBA");
  EXPECT_EQ(w.state->Book().CurrentDive, 1);  // hidden, still on the pages
  EXPECT_EQ(Table(*w.form).ListIndex(), -1);
  Settle();
  EXPECT_GE(changes.count(), 1);
  Table(*w.form).StepDive(1);
  EXPECT_EQ(Table(*w.form).ListIndex(), 0);
  QTest::keyClick(SearchField(*w.form), Qt::Key_Escape);
  EXPECT_EQ(Table(*w.form).SearchText(), "");
  EXPECT_EQ(Table(*w.form).ShownDives().size(), 6u);
  EXPECT_EQ(Table(*w.form).ListIndex(), 0);

  Table(*w.form).ShowOnlyDives({5, 3, 99}, "Location: Capri");
  EXPECT_EQ(Table(*w.form).ShownDives(), (std::vector<int>{3, 5}));
  EXPECT_EQ(w.Status(), "2 of 6 dives shown");
  Table(*w.form).SelectListIndex(2);  // not among them: every dive is shown again
  EXPECT_EQ(Table(*w.form).ShownDives().size(), 6u);
  EXPECT_EQ(Table(*w.form).ListIndex(), 2);
  Table(*w.form).SetSearchText("capri 13");
  EXPECT_EQ(Table(*w.form).ShownDives(), (std::vector<int>{3}));
}

TEST(DiveTable, GoToDiveSelectsTheFirstWithTheNumber) {
  Window w;
  w.Start();
  w.form->OpenLogbook(TableLogbook());
  Table(*w.form).SetSearchText("giglio");
  DiveList(*w.form)->setFocus();
  w.dialogs.numberAnswers = {13, 99};
  QAction* goTo = test::MenuAction(*w.form, "&Go to Dive...");
  EXPECT_EQ(goTo->shortcut(), QKeySequence("Ctrl+G"));
  goTo->trigger();
  EXPECT_EQ(Table(*w.form).ListIndex(), 3);
  EXPECT_EQ(Table(*w.form).SearchText(), "");
  goTo->trigger();
  EXPECT_EQ(Table(*w.form).ListIndex(), 3);
  EXPECT_EQ(w.messages, QStringList{"No dive has the number 99."});
  goTo->trigger();  // cancelled
  EXPECT_EQ(w.messages.size(), 1);
  // Each time the current dive's number is proposed: the last dive on opening, then dive 13.
  EXPECT_EQ(w.dialogs.numberProposals, (QList<int>{15, 13, 13}));
}

// The status line's count matches the rows shown after every kind of change to the search, and
// goes when every dive is shown again.
TEST(DiveTable, CountFollowsEverySearchChange) {
  Window w;
  w.Start();
  w.form->OpenLogbook(TableLogbook());
  const QString loaded = w.Status();
  ASSERT_FALSE(loaded.contains(" of "));
  QLineEdit* search = SearchField(*w.form);
  const auto expectCount = [&](const char* step) {
    const int shown = static_cast<int>(Table(*w.form).ShownDives().size());
    EXPECT_EQ(w.Status(),
              Table(*w.form).Filtered() ? QString("%1 of 6 dives shown").arg(shown) : loaded)
        << step;
  };
  QTest::keyClicks(search, "elba");
  expectCount("typed");
  EXPECT_EQ(w.Status(), "3 of 6 dives shown");
  for (int i = 0; i < 4; ++i) {
    QTest::keyClick(search, Qt::Key_Backspace);
    expectCount("backspace");
  }
  EXPECT_EQ(w.Status(), loaded);
  QTest::keyClicks(search, "x");
  EXPECT_EQ(w.Status(), "0 of 6 dives shown");
  QTest::keyClick(search, Qt::Key_Escape);
  EXPECT_EQ(w.Status(), loaded);
  QTest::keyClicks(search, "capri");
  search->selectAll();
  QTest::keyClick(search, Qt::Key_Delete);
  expectCount("selection deleted");
  QTest::keyClicks(search, "giglio");
  search->clear();  // the field's clear button
  expectCount("cleared");
  EXPECT_EQ(w.Status(), loaded);
  QTest::keyClicks(search, "capri");
  w.dialogs.numberAnswers = {10};  // hidden by the search, which goes
  test::MenuAction(*w.form, "&Go to Dive...")->trigger();
  EXPECT_EQ(Table(*w.form).SearchText(), "");
  EXPECT_EQ(w.Status(), loaded);
  QTest::keyClicks(search, "elba");
  w.state->SetUnits(UnitSystem::Imperial);
  expectCount("units");
  w.state->SetLanguage("de");
  EXPECT_EQ(w.Status(), "3 von 6 Tauchgängen angezeigt");
  w.state->SetLanguage("en");
  DiveList(*w.form)->setFocus();
  QTest::keyClick(DiveList(*w.form), Qt::Key_Escape);
  EXPECT_EQ(w.Status(), loaded);
}

// A statistics group's dives are named beside the search while they are all the table shows;
// the search looks among them, and one click or Escape shows every dive again.
TEST(DiveTable, OnlyAGroupsDivesIsVisibleAndLifted) {
  Window w;
  w.Start();
  w.form->OpenLogbook(TableLogbook());
  QWidget* bar = w.form->findChild<QWidget*>("OnlyDivesBar");
  auto* label = w.form->findChild<QLabel*>("OnlyDivesLabel");
  auto* showAll = w.form->findChild<QAbstractButton*>("ShowAllDivesButton");
  EXPECT_TRUE(bar->isHidden());
  for (const bool byKey : {false, true}) {
    Table(*w.form).ShowOnlyDives({0, 2, 4}, "Location: Elba");
    EXPECT_FALSE(bar->isHidden());
    EXPECT_EQ(label->text(), "Only Location: Elba");
    EXPECT_EQ(w.Status(), "3 of 6 dives shown");
    QTest::keyClicks(SearchField(*w.form), "capri");
    EXPECT_EQ(w.Status(), "0 of 6 dives shown");
    QTest::keyClick(SearchField(*w.form), Qt::Key_Backspace);
    Table(*w.form).SetSearchText("");
    EXPECT_EQ(Table(*w.form).ShownDives(), (std::vector<int>{0, 2, 4}));
    EXPECT_FALSE(bar->isHidden());
    if (byKey) {
      QTest::keyClick(SearchField(*w.form), Qt::Key_Escape);
    } else {
      showAll->click();
    }
    EXPECT_TRUE(bar->isHidden());
    EXPECT_EQ(Table(*w.form).ShownDives().size(), 6u);
    EXPECT_FALSE(w.Status().contains(" of "));
  }
}

// The Dive column keeps its fixed-pitch font in every state of the table: a group's dives, a
// sort by a column the analysis fills in, a search.
TEST(DiveTable, TheDiveColumnKeepsItsFont) {
  Window w;
  w.Start();
  w.form->OpenLogbook(TableLogbook());
  QTableView* list = DiveList(*w.form);
  const auto fixedPitch = [&](const char* step) {
    for (int row = 0; row < list->model()->rowCount(); ++row) {
      // As the view's delegate takes it: over the table's own font.
      const QFont font =
          list->model()->index(row, 0).data(Qt::FontRole).value<QFont>().resolve(list->font());
      EXPECT_TRUE(QFontInfo(font).fixedPitch()) << step << " " << row;
      EXPECT_EQ(QFontInfo(font).pixelSize(), QFontInfo(list->font()).pixelSize()) << step;
    }
  };
  fixedPitch("opened");
  Table(*w.form).ShowOnlyDives({1, 3, 5}, "Location: Capri");
  fixedPitch("a group's dives");
  Table(*w.form).ShowAllDives();
  list->sortByColumn(Section(*w.form, TableColumn::MaxOverSat), Qt::DescendingOrder);
  Settle();
  fixedPitch("sorted");
  Table(*w.form).SetSearchText("elba");
  fixedPitch("searched");
}

// Order, widths, the columns shown and the sort come back in the next run; a header saved by
// something else leaves the defaults.
TEST(DiveTable, HeaderIsSavedAndRestored) {
  Window first;
  first.Start();
  first.form->OpenLogbook(TableLogbook());
  QHeaderView* header = DiveList(*first.form)->horizontalHeader();
  const int date = Section(*first.form, TableColumn::Date);
  const int trip = Section(*first.form, TableColumn::Trip);
  const int depth = Section(*first.form, TableColumn::MaxDepth);
  EXPECT_FALSE(header->isSectionHidden(date));
  EXPECT_TRUE(header->isSectionHidden(trip));
  header->setSectionHidden(date, true);
  header->setSectionHidden(trip, false);
  header->moveSection(header->visualIndex(trip), 0);
  header->resizeSection(trip, 222);
  DiveList(*first.form)->sortByColumn(depth, Qt::DescendingOrder);
  first.form->ExitProgram();

  Window second;
  second.settings = std::make_unique<QtSettingsStore>(first.iniPath);
  second.Start();
  QHeaderView* restored = DiveList(*second.form)->horizontalHeader();
  EXPECT_TRUE(restored->isSectionHidden(date));
  EXPECT_FALSE(restored->isSectionHidden(trip));
  EXPECT_EQ(restored->visualIndex(trip), 0);
  EXPECT_EQ(restored->sectionSize(trip), 222);
  EXPECT_EQ(std::pair(restored->sortIndicatorSection(), restored->sortIndicatorOrder()),
            std::pair(depth, Qt::DescendingOrder));
  EXPECT_EQ(Table(*second.form).ShownDives(), (std::vector<int>{1, 5, 4, 0, 3, 2}));

  Window damaged("DiveTableHeader=bm90IGEgaGVhZGVy\n");
  damaged.Start();
  EXPECT_FALSE(DiveList(*damaged.form)->horizontalHeader()->isSectionHidden(date));
  EXPECT_EQ(DiveList(*damaged.form)->horizontalHeader()->sortIndicatorSection(), -1);
}

// The breath rate and over-saturation fill in from the background, and again under another
// model, as the analysis cache knows them.
TEST(DiveTable, ComputedColumnsFillInFromTheAnalysis) {
  const char* source = std::getenv("BATHYSCRIBE_SOURCE_DIR");
  ASSERT_NE(source, nullptr);
  Window w;
  w.Start();
  w.form->OpenLogbook(QString(source) + "/examples/sample.log");
  DiveTableModel* model = TableModel(*w.form);
  const auto done = [model] {
    return model->AnalysisProgress().first == model->AnalysisProgress().second;
  };
  const auto matchesCache = [&w, model] {
    const DiveTable& table = model->Table();
    int known = 0;
    for (int dive = 0; dive < table.RowCount(); ++dive) {
      const auto summary = w.state->Analysis().KnownSummary(dive);
      if (!summary) return -1;
      const TableCell& overSat = table.Cell(dive, TableColumn::MaxOverSat);
      if (overSat.Known != summary->HasSaturation ||
          (overSat.Known && overSat.Number != summary->MaxOverSaturation))
        return -1;
      known += table.Cell(dive, TableColumn::BreathRate).Known ? 1 : 0;
    }
    return known;
  };
  QTRY_VERIFY_WITH_TIMEOUT(done(), 60000);
  EXPECT_GT(matchesCache(), 0);
  // The cache forgets every saturation under another model: the table follows it.
  w.state->SetModel(2);
  QTRY_VERIFY_WITH_TIMEOUT(done() && matchesCache() > 0, 60000);
}

}  // namespace
}  // namespace scrb
