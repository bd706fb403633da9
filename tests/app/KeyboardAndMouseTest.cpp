// The window driven as a diver drives it: Alt keys, shortcuts, the arrow keys on the charts,
// files dropped on it and the recent logbooks.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <filesystem>
#include <map>

#include "AppTestWindow.h"
#include "app/ChartView.h"
#include "app/DivePage.h"

namespace scrb {
namespace {

using test::WriteLogbook;

std::string Logbook(int dives) {
  return test::BuildLogbook(std::vector<test::EntryBuilder>(static_cast<size_t>(dives)));
}

// A window of 1000 x 750 pixels, active as the one a diver works in.
struct Window : test::TestWindow {
  explicit Window(const QString& logbook = {}, const QString& iniOfAnEarlierRun = {}) {
    if (!iniOfAnEarlierRun.isEmpty())
      settings = std::make_unique<QtSettingsStore>(iniOfAnEarlierRun);
    settings->SaveSetting("NoWarning", "1");
    settings->SaveSetting("WindowState", "0");
    if (!logbook.isEmpty()) settings->SaveSetting("Logbook File", logbook.toStdString());
    Start();
    form->resize(1000, 750);
    form->activateWindow();
    QApplication::setActiveWindow(form.get());
    QApplication::processEvents();
  }
};

QChar Mnemonic(const QString& caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return caption[i + 1].toLower();
    ++i;
  }
  return {};
}

// Every Alt key of the window means one thing, and so does every key inside each menu.
TEST(Accelerators, NoKeyServesTwoEntries) {
  Window w;
  std::map<QString, QStringList> scopes;
  for (QAction* menu : w.form->menuBar()->actions()) {
    scopes["window"] << menu->text();
    for (QAction* entry : menu->menu()->actions()) scopes[menu->text()] << entry->text();
  }
  for (int page = 0; page < MainWindow::kPageCount; ++page)
    scopes["window"] << w.form->DiveTab()->tabText(page);
  for (QPushButton* button : w.form->findChildren<QPushButton*>())
    scopes["window"] << button->text();
  for (const auto& [scope, captions] : scopes) {
    std::map<QChar, QString> taken;
    for (const QString& caption : captions) {
      const QChar key = Mnemonic(caption);
      if (key.isNull()) continue;
      EXPECT_FALSE(taken.contains(key)) << scope.toStdString() << ": " << caption.toStdString()
                                        << " and " << taken[key].toStdString();
      taken[key] = caption;
    }
  }

  // Alt+P is "&Previous" again; Alt+Y brings up "Ph&ys Data".
  w.form->OpenLogbook(WriteLogbook("ten.log", Logbook(10)));
  QTest::keyClick(w.form.get(), Qt::Key_P, Qt::AltModifier);
  QTest::qWait(300);  // a button pressed by its Alt key shows itself pressed a moment first
  EXPECT_EQ(w.form->ListIndex(), 8);
  QTest::keyClick(w.form.get(), Qt::Key_Y, Qt::AltModifier);
  EXPECT_EQ(w.form->DiveTab()->currentIndex(), 4);
}

TEST(Shortcuts, EachKeyDoesWhatItsEntryDoes) {
  Window w;
  w.form->OpenLogbook(WriteLogbook("ten.log", Logbook(10)));
  w.form->DiveList()->setFocus();
  const auto press = [&w](const QKeySequence& key) {
    QTest::keySequence(w.form.get(), key);
    QApplication::processEvents();
  };
  press(QKeySequence("Ctrl+O"));
  press(QKeySequence("Ctrl+Shift+O"));
  EXPECT_EQ(w.dialogs.dialogFolders.size(), 2);
  press(QKeySequence(Qt::Key_PageUp));
  press(QKeySequence(Qt::Key_PageUp));
  EXPECT_EQ(w.form->ListIndex(), 7);
  press(QKeySequence(Qt::Key_PageDown));
  EXPECT_EQ(w.form->ListIndex(), 8);
  for (int page = 7; page >= 1; --page) {
    press(QKeySequence(QString("Ctrl+%1").arg(page)));
    EXPECT_EQ(w.form->DiveTab()->currentIndex(), page - 1);
  }
  w.dialogs.scopeAnswers = {ReportScope::CurrentDive};
  press(QKeySequence("Ctrl+P"));
  EXPECT_EQ(w.dialogs.printPageCount, 1);  // the print dialog came up for the current dive
  press(QKeySequence("F1"));
  ASSERT_EQ(w.messages.size(), 1);
  EXPECT_TRUE(w.messages[0].startsWith("Bathyscribe v"));
  press(QKeySequence("Ctrl+Q"));
  EXPECT_EQ(w.quits, 1);
  EXPECT_EQ(w.Saved("TabNumber"), "0");
}

QStringList LabelTexts(QWidget* page) {
  QStringList texts;
  for (QLabel* label : page->findChildren<QLabel*>()) texts << label->text();
  return texts;
}

void MouseAt(ChartView* chart, double userX) {
  const QPointF at = chart->ToPixels(userX).value();
  QMouseEvent move(QEvent::MouseMove, at, chart->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(chart, &move);
}

// Each step of the keyboard cursor reads exactly what the mouse reads over the same sample, on
// every chart page, and moves the cursor of every chart of the page.
TEST(KeyboardCursor, ReadsWhatTheMouseReadsAtTheSameSample) {
  Window w(WriteLogbook("sample.log", test::SampleLogbook()));
  const int samples = w.context.Book.Current().SampleCount;
  ASSERT_GT(samples, 30);
  const std::vector<std::pair<int, QKeyCombination>> steps = {
      {0, Qt::Key_Home},
      {1, Qt::Key_Right},
      {2, Qt::Key_Right},
      {5, Qt::ShiftModifier | Qt::Key_Right},
      {4, Qt::Key_Left},
      {samples - 1, Qt::Key_End},
      {samples - 4, Qt::ShiftModifier | Qt::Key_Left},
      {samples - 1, Qt::Key_End},
      {samples - 1, Qt::Key_Right}};
  for (int page : {1, 2, 3, 5}) {
    w.form->DiveTab()->setCurrentIndex(page);
    QApplication::processEvents();
    const QList<ChartView*> charts = w.form->Page(page)->findChildren<ChartView*>();
    ChartView* chart = charts.last();
    chart->setFocus();
    ASSERT_TRUE(chart->hasFocus()) << page;
    for (const auto& [sample, key] : steps) {
      SCOPED_TRACE(testing::Message() << "page " << page << ", sample " << sample);
      QTest::keyClick(chart, key.key(), key.keyboardModifiers());
      const double x = (sample + 1) * 100 / 3.0;
      // The first sample has no vertical speed: that readout and its cursor stay where they were.
      for (ChartView* each : charts) {
        if (sample > 0 || each == charts.first()) EXPECT_EQ(each->CursorX(), x);
      }
      const QStringList byKeys = LabelTexts(w.form->Page(page));
      if (sample > 0) MouseAt(chart, 1);  // elsewhere first, so the texts must change back
      MouseAt(chart, x);
      EXPECT_EQ(LabelTexts(w.form->Page(page)), byKeys);
    }
  }
}

QMimeData* Files(const QStringList& paths) {
  auto* mime = new QMimeData;
  QList<QUrl> urls;
  for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
  mime->setUrls(urls);
  return mime;
}

bool DragAccepted(MainWindow& form, QMimeData* mime) {
  QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&form, &enter);
  delete mime;
  return enter.isAccepted();
}

// A drag that enters the window and ends in a drop, as the desktop delivers it.
void Drop(MainWindow& form, const QStringList& paths, Qt::KeyboardModifiers modifiers) {
  std::unique_ptr<QMimeData> mime(Files(paths));
  QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, mime.get(), Qt::LeftButton, modifiers);
  QApplication::sendEvent(&form, &enter);
  QDropEvent drop(QPointF(20, 20), Qt::CopyAction, mime.get(), Qt::LeftButton, modifiers);
  QApplication::sendEvent(&form, &drop);
}

TEST(DragAndDrop, LogbooksOpenOrMergeAnythingElseIsRefused) {
  Window w;
  const QString ten = WriteLogbook("ten.log", Logbook(10));
  const QString three = WriteLogbook("THREE.LOG", Logbook(3));
  const QString notes = WriteLogbook("notes.txt", Logbook(3));
  EXPECT_TRUE(DragAccepted(*w.form, Files({ten, three})));
  EXPECT_FALSE(DragAccepted(*w.form, Files({notes})));
  EXPECT_FALSE(DragAccepted(*w.form, Files({ten, notes})));
  auto* text = new QMimeData;
  text->setText(ten);
  EXPECT_FALSE(DragAccepted(*w.form, text));

  Drop(*w.form, {ten}, Qt::NoModifier);
  EXPECT_EQ(w.form->ListCount(), 10);
  EXPECT_EQ(w.form->windowTitle(), "Bathyscribe - " + ten);
  Drop(*w.form, {three}, Qt::ControlModifier);
  EXPECT_EQ(w.form->ListCount(), 13);
  Drop(*w.form, {three, ten}, Qt::NoModifier);
  EXPECT_EQ(w.form->ListCount(), 13);
  Drop(*w.form, {notes}, Qt::NoModifier);
  EXPECT_EQ(w.form->ListCount(), 13);
  EXPECT_TRUE(w.messages.isEmpty());
}

TEST(RecentLogbooks, SixMostRecentFirstAndAVanishedOneIsDropped) {
  std::vector<QString> files;
  for (int i = 0; i < 7; ++i)
    files.push_back(WriteLogbook("log" + std::to_string(i) + ".log", Logbook(i + 1)));
  Window w;
  EXPECT_FALSE(w.form->RecentMenu()->isEnabled());
  for (const QString& file : files) w.form->OpenLogbook(file);
  w.form->MergeLogbook(files[3]);
  const QStringList expected = {files[3], files[6], files[5], files[4], files[2], files[1]};
  EXPECT_EQ(w.form->RecentLogbooks(), expected);
  const QList<QAction*> entries = w.form->RecentMenu()->actions();
  ASSERT_EQ(entries.size(), 6);
  EXPECT_EQ(entries[1]->text(), "&2 " + files[6]);

  std::filesystem::remove(files[5].toStdString());
  entries[2]->trigger();
  ASSERT_EQ(w.messages.size(), 1);
  EXPECT_TRUE(w.messages[0].startsWith("The logbook file " + files[5] + " cannot be read: "));
  EXPECT_EQ(w.form->RecentLogbooks(),
            QStringList({files[3], files[6], files[4], files[2], files[1]}));
  w.form->RecentMenu()->actions()[3]->trigger();  // files[2], three dives
  EXPECT_EQ(w.form->ListCount(), 3);

  // The next run finds the list as it was left.
  Window next({}, w.iniPath);
  EXPECT_EQ(next.form->RecentLogbooks(),
            QStringList({files[2], files[3], files[6], files[4], files[1]}));
}

}  // namespace
}  // namespace scrb
