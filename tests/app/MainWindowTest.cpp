#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QImage>
#include <QPlainTextEdit>
#include <QFontMetricsF>
#include <QScreen>
#include <QTimer>
#include <QLayout>
#include <QSplitter>
#include <algorithm>
#include <fstream>
#include <functional>

#include "AppTestWindow.h"
#include "app/ChartView.h"
#include "app/DisplayOptionDialog.h"
#include "app/DivePage.h"
#include "app/MainWindow.h"
#include "app/ModelWindow.h"
#include "export/ExportTexts.h"
#include "render/PainterSurface.h"

namespace scrb {
namespace {

using test::BuildLogbook;
using test::EntryBuilder;
using test::MenuAction;
using test::WriteLogbook;
using Window = test::TestWindow;

std::string Logbook(int dives, int firstNumber = 1, const std::string& site = "Pier") {
  std::vector<EntryBuilder> entries(static_cast<size_t>(dives));
  for (int i = 0; i < dives; ++i) {
    entries[static_cast<size_t>(i)].DiveNumber = firstNumber + i;
    entries[static_cast<size_t>(i)].Site = site;
  }
  return BuildLogbook(entries);
}

TEST(MainWindow, RefusingTheDisclaimerSavesNothing) {
  Window refused;
  refused.settings->SaveSetting("TabNumber", "3");
  refused.disclaimerAnswer = -1;
  EXPECT_FALSE(refused.Start());
  EXPECT_EQ(refused.disclaimerShown, 1);
  EXPECT_EQ(refused.Saved("NoWarning"), "<absent>");
  EXPECT_EQ(refused.Saved("TabNumber"), "3");
}

TEST(MainWindow, OpenReplacesMergeAppendsDisplayOptionRelists) {
  Window w;
  w.Start();
  w.form->NextDive();
  EXPECT_EQ(w.messages, QStringList({"There are not enough dives loaded to navigate ...."}));
  const QString ten = WriteLogbook("ten.log", Logbook(10));
  const QString three = WriteLogbook("three.log", Logbook(3, 50, "Reef"));
  w.form->OpenLogbook(three);
  w.form->OpenLogbook(ten);
  EXPECT_EQ(w.form->ListCount(), 10);
  w.form->NextDive();  // the newest dive is selected and Next stops there
  EXPECT_EQ(w.form->ListIndex(), 9);
  EXPECT_EQ(w.form->windowTitle(), "Bathyscribe - " + ten);
  EXPECT_EQ(w.Entry(0), "    1 - Pier");

  w.form->SelectListIndex(4);
  w.form->MergeLogbook(three);
  EXPECT_EQ(w.form->ListCount(), 13);
  EXPECT_EQ(w.form->ListIndex(), 4);
  EXPECT_EQ(w.Status(), "13 dives read.");
  EXPECT_EQ(w.Saved("Logbook File"), three.toStdString());

  // A typed surface pressure lives only in memory: relisting must not reread the files.
  w.context.Book.Dives[4].SurfacePressure = 0.9;
  w.form->ApplyDisplayOption(3);
  EXPECT_EQ(w.Entry(12), "   52 - Reef, Lake");
  EXPECT_EQ(w.form->ListIndex(), 4);
  EXPECT_DOUBLE_EQ(w.context.Book.Dives[4].SurfacePressure, 0.9);
}

// Saved values beyond the logbook, the pages or the options fall back to ones that exist.
TEST(MainWindow, OutOfRangeSavedSelectionPageAndOptionOnStart) {
  Window w;
  w.settings->SaveSetting("NoWarning", "1");
  w.settings->SaveSetting("Logbook File", WriteLogbook("ten.log", Logbook(10)).toStdString());
  w.settings->SaveSetting("TabNumber", "7");
  w.settings->SaveSetting("DisplayOptionFlag", "4");
  w.settings->SaveSetting("CurrentDiveSelected", "12");
  w.settings->SaveSetting("LastDive", "0");
  w.Start();
  EXPECT_EQ(w.form->ListIndex(), 9);
  EXPECT_EQ(w.form->DiveTab()->currentIndex(), 1);
  EXPECT_EQ(w.context.Book.DisplayOptionFlag, 0);
}

TEST(MainWindow, ExitThenStartAgainRestoresPageModelDisplayOptionAndTheNewestDive) {
  const std::string logbookPath = test::WriteTempFile("grow.log", Logbook(5));
  Window first;
  first.disclaimerAnswer = 1;
  first.Start();
  first.form->OpenLogbook(QString::fromStdString(logbookPath));
  first.form->DiveTab()->setCurrentIndex(6);
  first.form->ApplyDisplayOption(2);
  LoadDecoModel(first.context.Model, 2);
  EXPECT_EQ(first.disclaimerShown, 1);
  first.form->ExitProgram();
  EXPECT_EQ(first.quits, 1);

  // The user left on the newest dive: after the logbook grew, the newest dive is selected.
  std::ofstream(logbookPath, std::ios::binary | std::ios::trunc) << Logbook(8);
  Window second;
  second.settings = std::make_unique<QtSettingsStore>(first.iniPath);  // the next run
  second.Start();
  EXPECT_EQ(second.disclaimerShown, 0);  // ticked on the first start
  EXPECT_EQ(second.form->DiveTab()->currentIndex(), 6);
  EXPECT_EQ(second.form->ListIndex(), 7);
  EXPECT_EQ(second.context.Model.DecoModelNumber, 2);
  EXPECT_EQ(second.Entry(0), "    1 - Lake, Pier");
}

// What a page shows: the texts of its labels and text box, whether each chart has anything drawn
// and whether it shows a readout cursor.
QStringList PageState(DivePage* page) {
  QStringList state;
  for (QLabel* label : page->findChildren<QLabel*>())
    state << label->objectName() + "=" + label->text();
  for (QPlainTextEdit* box : page->findChildren<QPlainTextEdit*>()) state << box->toPlainText();
  for (ChartView* chart : page->findChildren<ChartView*>()) {
    const QImage image = chart->ChartImage();
    QImage white(image.size(), image.format());
    white.fill(Qt::white);
    state << chart->objectName() + (image == white ? " blank" : " drawn") +
                 (chart->CursorX() ? " with cursor" : "");
  }
  return state;
}

// The mouse over every chart of the page, where a dive's readouts would answer.
void MoveOverCharts(DivePage* page) {
  for (ChartView* chart : page->findChildren<ChartView*>()) emit chart->MouseMoved(100, 100);
}

// Open of a logbook without dives after one with: no page goes on showing a dive that is gone,
// neither the one showing at the time nor one shown later, and no readout answers.
TEST(MainWindow, AfterOpenOfAnEmptyLogbookEveryPageIsEmpty) {
  Window blank;  // the pages as they are before any dive was shown
  blank.Start();
  Window w;
  w.Start();
  const QString full = WriteLogbook("full.log", test::SampleLogbook());
  const QString empty = WriteLogbook("empty.log", BuildLogbook({}));
  std::vector<QStringList> nothing;
  for (int page = 0; page < MainWindow::kPageCount; ++page) {
    SCOPED_TRACE(page);
    blank.form->DiveTab()->setCurrentIndex(page);
    nothing.push_back(PageState(blank.form->Page(page)));
    w.form->OpenLogbook(full);
    w.form->DiveTab()->setCurrentIndex(page);
    EXPECT_NE(PageState(w.form->Page(page)), nothing.back());
    w.form->OpenLogbook(empty);
    MoveOverCharts(w.form->Page(page));
    EXPECT_EQ(PageState(w.form->Page(page)), nothing.back());
  }

  w.form->OpenLogbook(full);
  w.ShowEveryPage();
  w.form->OpenLogbook(empty);
  for (int page = 0; page < MainWindow::kPageCount; ++page) {
    w.form->DiveTab()->setCurrentIndex(page);
    EXPECT_EQ(PageState(w.form->Page(page)), nothing[static_cast<size_t>(page)]) << page;
  }
  QGuiApplication::clipboard()->setText("before");
  const qsizetype messages = w.messages.size();
  w.form->CopyDiveProfile();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
  EXPECT_EQ(w.messages.size(), messages);
}

TEST(MainWindowLayout, NarrowerThanTheMinimumBeepsAndSnapsBack) {
  Window w;
  w.settings->SaveSetting("NoWarning", "1");
  w.settings->SaveSetting("WindowState", "0");
  w.Start();
  const int dpi = static_cast<int>(w.form->screen()->logicalDotsPerInch());
  w.form->resize(3000 * dpi / 1440, w.form->height());
  QApplication::processEvents();
  EXPECT_EQ(w.dialogs.beeps, 1);
  const int minWidth = (MainWindow::kMinWidthTwips * dpi + 1439) / 1440;
  const int minHeight = (MainWindow::kMinHeightTwips * dpi + 1439) / 1440;
  EXPECT_EQ(w.form->frameGeometry().width(), minWidth);
  EXPECT_EQ(minWidth, 640);

  // At the smallest size every page still has the room its widgets need: nothing overlaps.
  w.form->OpenLogbook(WriteLogbook("ten.log", Logbook(10)));
  w.form->resize(minWidth, minHeight);
  for (int page = 0; page < MainWindow::kPageCount; ++page) {
    w.form->DiveTab()->setCurrentIndex(page);
    QApplication::processEvents();
    const QSize need = w.form->Page(page)->minimumSizeHint();
    const QSize have = w.form->Page(page)->size();
    EXPECT_TRUE(need.width() <= have.width() && need.height() <= have.height())
        << page << ": " << need.width() << "x" << need.height() << " in " << have.width() << "x"
        << have.height();
  }
  EXPECT_LE(w.form->centralWidget()->layout()->minimumSize().height(),
            w.form->centralWidget()->height());
}

// The close button, Alt+F4 and the window system save what Exit saves, the splitter included,
// and the next run puts the splitter back; a damaged width leaves the window's own.
TEST(MainWindow, ClosingSavesLikeExitAndTheSplitterComesBack) {
  Window first;
  first.settings->SaveSetting("WindowState", "0");
  first.Start();
  first.form->resize(1000, 700);
  first.form->OpenLogbook(WriteLogbook("ten.log", Logbook(10)));
  first.form->SelectListIndex(3);
  first.form->DiveTab()->setCurrentIndex(4);
  first.form->Splitter()->setSizes({300, 600});
  QApplication::processEvents();
  const int listWidth = first.form->DiveList()->width();
  EXPECT_TRUE(first.form->close());
  EXPECT_EQ(first.quits, 1);
  EXPECT_EQ(first.Saved("TabNumber"), "4");
  EXPECT_EQ(first.Saved("CurrentDiveSelected"), "3");

  Window second;
  second.settings = std::make_unique<QtSettingsStore>(first.iniPath);
  second.Start();
  QApplication::processEvents();
  EXPECT_NEAR(second.form->DiveList()->width(), listWidth, 1);
  EXPECT_EQ(second.form->ListIndex(), 3);

  Window damaged;
  damaged.settings->SaveSetting("DiveListWidth", "-1e300");
  damaged.Start();
  EXPECT_GT(damaged.form->DiveList()->width(), 50);
}

// Among hundreds of dives the selected one is in sight at start, after Open and Merge and after
// a change of the display option.
TEST(MainWindow, TheSelectedDiveStaysInView) {
  const QString many = WriteLogbook("many.log", Logbook(300));
  Window w;
  w.settings->SaveSetting("WindowState", "0");
  w.settings->SaveSetting("Logbook File", many.toStdString());
  w.settings->SaveSetting("CurrentDiveSelected", "150");
  w.settings->SaveSetting("LastDive", "0");
  w.Start();
  const auto inView = [&w] {
    QApplication::processEvents();
    QListView* list = w.form->DiveList();
    return list->viewport()->rect().contains(list->visualRect(list->currentIndex()));
  };
  EXPECT_TRUE(inView());
  w.form->ApplyDisplayOption(2);
  EXPECT_TRUE(inView());
  w.form->MergeLogbook(many);
  EXPECT_TRUE(inView());
  w.form->OpenLogbook(many);
  EXPECT_EQ(w.form->ListIndex(), 299);
  EXPECT_TRUE(inView());
  w.form->resize(w.form->width(), w.form->height() - 100);
  EXPECT_TRUE(inView());
}

// Each page's charts take their share of a taller window: halves, thirds on "&Phys Data"; on the
// profile pages the alarm strip takes a seventh, and is never lower than six or seven label
// heights.
TEST(MainWindowLayout, ChartsShareTheVerticalChangeAsTheirPageSays) {
  Window w;
  w.settings->SaveSetting("WindowState", "0");
  w.Start();
  const auto heights = [&w](int page) {
    w.form->DiveTab()->setCurrentIndex(page);  // only the page showing is laid out
    QApplication::processEvents();
    QList<ChartView*> charts = w.form->Page(page)->findChildren<ChartView*>();
    const auto top = [](ChartView* chart) { return chart->mapTo(chart->window(), QPoint()).y(); };
    std::sort(charts.begin(), charts.end(),
              [&top](ChartView* a, ChartView* b) { return top(a) < top(b); });
    std::vector<int> result;
    for (ChartView* chart : charts) result.push_back(chart->height());
    return result;
  };
  const std::vector<std::vector<double>> shares = {{6.0 / 7, 1.0 / 7},
                                                   {3.0 / 7, 1.0 / 7, 3.0 / 7},
                                                   {0.5, 0.5},
                                                   {1.0 / 3, 1.0 / 3, 1.0 / 3},
                                                   {0.5, 0.5}};
  w.form->resize(900, 1000);  // tall enough for the strips to be above their least height
  std::vector<std::vector<int>> before;
  for (int page = 1; page <= 5; ++page) before.push_back(heights(page));
  w.form->resize(1000, 1300);
  for (int page = 1; page <= 2; ++page) {
    const QFontMetricsF labels(PainterSurface::LabelFont(w.form->logicalDpiY()));
    EXPECT_GE(before[static_cast<size_t>(page - 1)][1], 6 * labels.height()) << page;
  }
  for (int page = 1; page <= 5; ++page) {
    SCOPED_TRACE(page);
    const std::vector<int> after = heights(page);
    const std::vector<int>& was = before[static_cast<size_t>(page - 1)];
    const std::vector<double>& share = shares[static_cast<size_t>(page - 1)];
    ASSERT_EQ(after.size(), share.size());
    int total = 0;
    for (size_t i = 0; i < after.size(); ++i) total += after[i] - was[i];
    EXPECT_GE(total, 290);
    for (size_t i = 0; i < after.size(); ++i)
      EXPECT_NEAR(after[i] - was[i], share[i] * total, 2.0) << i;
  }
}

// Answers the modal dialog of this kind that the next action opens, once it is up. Nothing is
// answered when no such dialog came up, and the test's own checks see that.
template <class Dialog>
void WhenModal(const std::function<void(Dialog&)>& answer) {
  QTimer::singleShot(0, [answer] {
    if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) answer(*dialog);
  });
}

// Chooses a display option in the dialog the way a diver does: tick it, press OK.
std::function<void(Window&, QAction&)> ChooseDisplayOption(int option, const QString& firstEntry) {
  return [option, firstEntry](Window& w, QAction& action) {
    WhenModal<DisplayOptionDialog>([option](DisplayOptionDialog& dialog) {
      dialog.OptionButton(option)->click();
      dialog.findChild<QPushButton*>("cmdOK")->click();
    });
    action.trigger();
    EXPECT_EQ(w.Entry(0), firstEntry);
  };
}

// Every menu, entry by entry in order ("-" a separator), with what the diver sees on choosing it,
// and every button of the window. Entries and buttons the program gains are added here.
struct Command {
  QString Caption;
  std::function<void(Window&, QAction&)> Choose;
};

TEST(MainWindow, EveryMenuEntryAndButtonThroughItsAction) {
  Window w;
  w.Start();
  const QString three = WriteLogbook("three.log", Logbook(3, 50, "Reef"));
  const QString two = WriteLogbook("two.log", Logbook(2));
  QClipboard* clipboard = QGuiApplication::clipboard();
  const auto message = [&w](const QString& text) {
    return [&w, text](Window&, QAction& action) {
      action.trigger();
      EXPECT_EQ(w.messages.value(w.messages.size() - 1), text);
    };
  };
  const std::pair<QString, std::vector<Command>> menus[] = {
      {"&File",
       {{"&Open Logbook",
         [&](Window&, QAction& action) {
           w.dialogs.openAnswers = {three};
           action.trigger();
           action.trigger();  // cancelled: nothing changes
           EXPECT_EQ(w.Entries(), QStringList({"   50 - Reef", "   51 - Reef", "   52 - Reef"}));
           EXPECT_EQ(w.form->ListIndex(), 2);
         }},
        {"&Merge Logbook",
         [&](Window&, QAction& action) {
           w.dialogs.openAnswers = {two};
           action.trigger();
           EXPECT_EQ(w.Entries().mid(3), QStringList({"    1 - Pier", "    2 - Pier"}));
           EXPECT_EQ(w.Status(), "5 dives read.");
           // The dialogs start where the logbook on screen lies.
           const QString folder = QFileInfo(three).absolutePath();
           EXPECT_EQ(w.dialogs.dialogFolders, QStringList({"", folder, folder}));
         }},
        {"Export Logbook as UDDF...",
         [&](Window&, QAction& action) {
           action.trigger();  // the save dialog suggests the logbook's name, and is cancelled
           EXPECT_TRUE(w.dialogs.dialogFolders.last().endsWith("two.uddf"));
         }},
        {"&Recent Logbooks",
         [&](Window&, QAction& action) {
           // Newest first; an entry opens its logbook.
           const QList<QAction*> recent = action.menu()->actions();
           ASSERT_EQ(recent.size(), 2);
           EXPECT_TRUE(recent[0]->text().endsWith("two.log"));
           recent[1]->trigger();
           EXPECT_EQ(w.Entries(), QStringList({"   50 - Reef", "   51 - Reef", "   52 - Reef"}));
           w.form->MergeLogbook(two);
           w.form->SelectListIndex(2);
         }},
        {"-", {}},
        {"&Print",
         [&](Window&, QAction& action) {
           w.dialogs.scopeAnswers = {ReportScope::CurrentDive};
           action.trigger();  // the print dialog comes up for one page, and is cancelled
           EXPECT_EQ(w.dialogs.printPageCount, 1);
         }},
        {"Export Dive Report as PDF...",
         [&](Window&, QAction& action) {
           w.dialogs.scopeAnswers = {ReportScope::AllDives};
           action.trigger();  // the save dialog suggests the logbook's name, and is cancelled
           EXPECT_TRUE(w.dialogs.dialogFolders.last().endsWith("two.pdf"));  // merged last
         }},
        {"-", {}},
        {"Op&tions", ChooseDisplayOption(3, "   50 - Reef, Lake")},
        {"-", {}},
        {"E&xit",
         [&](Window&, QAction& action) {
           action.trigger();
           EXPECT_EQ(w.quits, 1);
           EXPECT_EQ(w.Saved("DisplayOptionFlag"), "3");
         }}}},
      {"&Edit",
       {{"Copy All Dives to clipboard",
         [&](Window&, QAction& action) {
           message("Dive parameters copied to clipboard")(w, action);
           EXPECT_EQ(clipboard->text().toStdString(), AllDivesText(w.context.Book));
         }},
        {"Copy Current Dive Profile to clipboard",
         [&](Window&, QAction& action) {
           message("Dive data copied to clipboard")(w, action);
           EXPECT_EQ(clipboard->text().toStdString(),
                     DiveProfileText(w.context.Book.Dives[2], w.context.Model));
         }},
        {"-", {}},
        {"&Options", ChooseDisplayOption(0, "   50 - Lake")}}},
      {"&Help", {{"&About", message(MainWindow::AboutText())}}},
  };

  // With no dive, copying the profile has nothing to copy and says nothing.
  clipboard->setText("before");
  QStringList captions;
  for (QAction* menu : w.form->menuBar()->actions()) {
    captions << "[" + menu->text() + "]";
    for (QAction* entry : menu->menu()->actions()) {
      captions << (entry->isSeparator() ? "-" : entry->text());
      if (entry->text() == "Copy Current Dive Profile to clipboard") entry->trigger();
    }
  }
  EXPECT_EQ(clipboard->text(), "before");
  EXPECT_TRUE(w.messages.isEmpty());

  QStringList expected;
  for (const auto& [title, entries] : menus) {
    expected << "[" + title + "]";
    for (const Command& entry : entries) expected << entry.Caption;
  }
  ASSERT_EQ(captions, expected);
  EXPECT_TRUE(MainWindow::AboutText().startsWith("Bathyscribe v"));

  int m = 0;
  for (QAction* menu : w.form->menuBar()->actions()) {
    const std::vector<Command>& entries = menus[m++].second;
    for (int i = 0; i < menu->menu()->actions().size(); ++i) {
      SCOPED_TRACE(entries[size_t(i)].Caption.toStdString());
      if (entries[size_t(i)].Choose) entries[size_t(i)].Choose(w, *menu->menu()->actions()[i]);
    }
  }

  // The buttons, clicked. The list shows dive 52 selected, the third of five.
  const auto button = [&w](const QString& caption) {
    for (QPushButton* b : w.form->findChildren<QPushButton*>()) {
      if (b->text() == caption) return b;
    }
    ADD_FAILURE() << "no button " << caption.toStdString();
    return new QPushButton(w.form.get());
  };
  button("&Previous")->click();
  EXPECT_EQ(w.form->ListIndex(), 1);
  button("&Next")->click();
  button("&Next")->click();
  EXPECT_EQ(w.form->ListIndex(), 3);
  w.form->DiveTab()->setCurrentIndex(5);
  WhenModal<ModelWindow>([](ModelWindow& models) {
    models.ModelButton(2)->click();
    models.CloseButton()->click();
  });
  const int shown = w.form->ShowCount();
  button("Change Model ...")->click();
  EXPECT_EQ(w.context.Model.TissueCount, 15);
  EXPECT_EQ(w.form->ShowCount(), shown + 1);  // the dive shown again under it
  button("E&xit")->click();
  EXPECT_EQ(w.quits, 2);
}

}  // namespace
}  // namespace scrb
