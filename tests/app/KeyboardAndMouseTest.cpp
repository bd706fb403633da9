// The window driven as a diver drives it: Alt keys, shortcuts, the arrow keys on the charts,
// files dropped on it and the recent logbooks.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QUrl>
#include <filesystem>

#include "AppTestWindow.h"
#include "app/dialogs/DisclaimerDialog.h"
#include "app/dialogs/DisplayOptionDialog.h"
#include "app/views/ElidedLabel.h"

namespace scrb {
namespace {

using test::LogbookFile;

// A window of 1000 x 750 pixels, active as the one a diver works in.
struct Window : test::TestWindow {
  explicit Window(const std::string& ini = "") : TestWindow("NoWarning=1\nWindowState=0\n" + ini) {
    Start();
    form->resize(1000, 750);
    form->activateWindow();
    QApplication::setActiveWindow(form.get());
    QApplication::processEvents();
  }
};

TEST(Shortcuts, EachKeyDoesWhatItsEntryOrButtonDoes) {
  Window w;
  w.form->OpenLogbook(LogbookFile("ten.log", 10));
  DiveList(*w.form)->setFocus();
  const auto press = [&w](const QKeySequence& key) {
    QTest::keySequence(w.form.get(), key);
    QApplication::processEvents();
  };
  press(QKeySequence("Ctrl+O"));
  press(QKeySequence("Ctrl+Shift+O"));
  EXPECT_EQ(w.dialogs.dialogFolders.size(), 2);
  press(QKeySequence(Qt::Key_PageUp));
  press(QKeySequence(Qt::Key_PageUp));
  EXPECT_EQ(Table(*w.form).ListIndex(), 7);
  press(QKeySequence(Qt::Key_PageDown));
  EXPECT_EQ(Table(*w.form).ListIndex(), 8);
  for (int page = 7; page >= 1; --page) {
    press(QKeySequence(QString("Ctrl+%1").arg(page)));
    EXPECT_EQ(DiveTab(*w.form)->currentIndex(), page - 1);
  }
  // Alt+P is "&Previous"; Alt+Y brings up "Ph&ys Data".
  QTest::keyClick(w.form.get(), Qt::Key_P, Qt::AltModifier);
  QTest::qWait(300);  // a button pressed by its Alt key shows itself pressed a moment first
  EXPECT_EQ(Table(*w.form).ListIndex(), 7);
  QTest::keyClick(w.form.get(), Qt::Key_Y, Qt::AltModifier);
  EXPECT_EQ(DiveTab(*w.form)->currentIndex(), 4);
  w.dialogs.scopeAnswers = {ReportScope::CurrentDive};
  press(QKeySequence("Ctrl+P"));
  EXPECT_EQ(w.dialogs.printPageCount, 1);  // the print dialog came up for the current dive
  press(QKeySequence("F1"));
  EXPECT_EQ(w.messages, QStringList({MainWindow::AboutText()}));
  press(QKeySequence("Ctrl+Q"));
  EXPECT_EQ(w.dialogs.quits, 1);
  EXPECT_EQ(w.Saved("TabNumber"), "4");
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
  Window w("Logbook%20File=" + test::WriteLogbook("s.log", test::SampleLogbook()).toStdString());
  const int samples = w.state->Analysis().Profile(w.state->Book().CurrentDive)->SampleCount;
  ASSERT_GT(samples, 30);
  const std::vector<std::pair<int, QKeyCombination>> steps = {
      {0, Qt::Key_Home},
      {1, Qt::Key_Right},
      {4, QKeyCombination(Qt::ShiftModifier, Qt::Key_Right)},
      {3, Qt::Key_Left},
      {samples - 1, Qt::Key_End},
      {samples - 1, Qt::Key_Right},
      {samples - 4, QKeyCombination(Qt::ShiftModifier, Qt::Key_Left)}};
  for (int page : {1, 2, 3, 4, 5}) {
    DiveTab(*w.form)->setCurrentIndex(page);
    QApplication::processEvents();
    const QList<ChartView*> charts = test::Charts(*w.form, page);
    ChartView* chart = charts.last();
    chart->setFocus();
    ASSERT_TRUE(chart->hasFocus()) << page;
    for (const auto& [sample, key] : steps) {
      SCOPED_TRACE(testing::Message() << "page " << page << ", sample " << sample);
      QTest::keyClick(chart, key.key(), key.keyboardModifiers());
      const double x = (sample + 1) * 100 / 3.0;
      // The first sample has no vertical speed: that readout and its cursor stay where they were.
      for (ChartView* each : charts) {
        if (sample > 0 || each == charts.first()) {
          EXPECT_EQ(each->CursorX(), x);
        }
      }
      const QStringList byKeys = w.PageState(page);
      if (sample > 0) MouseAt(chart, 1);  // elsewhere first, so the texts must change back
      MouseAt(chart, x);
      EXPECT_EQ(w.PageState(page), byKeys);
    }
  }
}

void MouseAtPixel(ChartView* chart, const QPointF& at) {
  QMouseEvent move(QEvent::MouseMove, at, chart->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(chart, &move);
}

// The axis of a wide chart runs on well past the last sample and starts left of the first: the
// mouse there reads the last or the first sample, as End and Home do, on every page with readouts.
TEST(EdgeReadouts, PastEitherEndTheMouseReadsTheNearestSample) {
  Window w("Logbook%20File=" + test::WriteLogbook("s.log", test::SampleLogbook()).toStdString());
  w.form->resize(1600, 1000);
  ASSERT_GT(Table(*w.form).ListCount(), 0);
  for (int page : {1, 2, 3, 4, 5}) {
    DiveTab(*w.form)->setCurrentIndex(page);
    QApplication::processEvents();
    for (ChartView* chart : test::Charts(*w.form, page)) {
      SCOPED_TRACE(testing::Message()
                   << "page " << page << ", " << chart->objectName().toStdString());
      chart->setFocus();
      for (const auto& [key, pixelX] :
           {std::pair{Qt::Key_End, chart->width() - 2.0}, std::pair{Qt::Key_Home, 1.0}}) {
        // From the middle each time: the first sample has no speed, and leaves the speed readout
        // at the one before.
        MouseAt(chart, 1000);
        QTest::keyClick(chart, key);
        const QString byKeys = w.PageState(page).join('|');
        MouseAt(chart, 1000);
        MouseAtPixel(chart, QPointF(pixelX, chart->height() / 2.0));
        EXPECT_EQ(w.PageState(page).join('|').toStdString(), byKeys.toStdString());
      }
    }
  }
}

// While a readout is empty its chart's title has the whole line; a readout that shows something
// takes its room back. The focused raw data text scrolls with the page keys instead of changing
// the dive, which they do everywhere else.
TEST(PageLayout, TitlesTakeTheLineOfEmptyReadoutsAndTheTextKeepsItsKeys) {
  Window w("Logbook%20File=" + test::WriteLogbook("s.log", test::SampleLogbook()).toStdString());
  w.form->resize(800, 600);
  for (int page : {1, 2, 4, 5}) {
    DiveTab(*w.form)->setCurrentIndex(page);
    QApplication::processEvents();
    for (ElidedLabel* title : Page(*w.form, page)->findChildren<ElidedLabel*>()) {
      if (!title->objectName().endsWith("Title")) continue;
      SCOPED_TRACE(title->objectName().toStdString());
      EXPECT_FALSE(title->text().isEmpty());
      EXPECT_EQ(title->ShownText(), title->text());
    }
    MouseAt(test::Charts(*w.form, page).first(), 1000);
    QApplication::processEvents();
    for (ElidedLabel* readout : Page(*w.form, page)->findChildren<ElidedLabel*>()) {
      if (!readout->objectName().endsWith("Readout")) continue;
      SCOPED_TRACE(readout->objectName().toStdString());
      EXPECT_FALSE(readout->text().isEmpty());
      EXPECT_EQ(readout->ShownText(), readout->text());
    }
  }

  DiveTab(*w.form)->setCurrentIndex(6);
  QPlainTextEdit* text = Page(*w.form, 6)->findChild<QPlainTextEdit*>("RawDataText");
  text->setFocus();
  const int dive = Table(*w.form).ListIndex();
  QScrollBar* scroll = text->verticalScrollBar();
  // Where the window system delivers keys: to the widget with the focus.
  const auto press = [](Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
    QApplication::processEvents();
  };
  press(Qt::Key_PageDown);
  press(Qt::Key_PageDown);
  EXPECT_GT(scroll->value(), 0);
  const int twoPages = scroll->value();
  press(Qt::Key_PageUp);
  EXPECT_LT(scroll->value(), twoPages);
  press(Qt::Key_End);
  EXPECT_EQ(Table(*w.form).ListIndex(), dive);
  ASSERT_EQ(QApplication::focusWidget(), text);
  DiveList(*w.form)->setFocus();
  press(Qt::Key_PageUp);
  EXPECT_EQ(Table(*w.form).ListIndex(), dive - 1);
}

// Every choice of the display option dialog and the disclaimer's check box has an Alt key of its
// own.
TEST(AccessKeys, DialogChoicesEachHaveTheirOwn) {
  DisplayOptionDialog options(0);
  DisclaimerDialog disclaimer;
  for (QDialog* dialog : std::initializer_list<QDialog*>{&options, &disclaimer}) {
    QSet<QChar> keys;
    QStringList texts;
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
      if (button->text() == "OK" || button->text() == "Cancel") continue;  // Enter and Escape
      const qsizetype at = button->text().indexOf('&');
      ASSERT_GE(at, 0) << button->text().toStdString();
      keys.insert(button->text()[at + 1].toLower());
      texts << button->text();
    }
    EXPECT_EQ(keys.size(), texts.size()) << texts.join('|').toStdString();
  }
}

// A drag of the files (as links, or as plain text) that enters the window and, when `drop`, ends
// in a drop, as the desktop delivers it; true when the window took the drag.
bool Drag(MainWindow& form, const QStringList& paths, Qt::KeyboardModifiers modifiers = {},
          bool drop = false, bool asText = false) {
  QMimeData mime;
  QList<QUrl> urls;
  for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
  asText ? mime.setText(paths.join('\n')) : mime.setUrls(urls);
  QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, modifiers);
  QApplication::sendEvent(&form, &enter);
  QDropEvent dropped(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, modifiers);
  if (drop) QApplication::sendEvent(&form, &dropped);
  return enter.isAccepted();
}

TEST(DragAndDrop, LogbooksOpenOrMergeAnythingElseIsRefused) {
  Window w;
  const QString ten = LogbookFile("ten.log", 10);
  const QString three = LogbookFile("THREE.LOG", 3);
  const QString notes = LogbookFile("notes.txt", 3);
  EXPECT_TRUE(Drag(*w.form, {ten, three}));
  EXPECT_FALSE(Drag(*w.form, {notes}));
  EXPECT_FALSE(Drag(*w.form, {ten, notes}));
  EXPECT_FALSE(Drag(*w.form, {ten}, {}, false, true));

  Drag(*w.form, {ten}, {}, true);
  EXPECT_EQ(Table(*w.form).ListCount(), 10);
  EXPECT_EQ(w.form->windowTitle(), "Bathyscribe - " + ten);
  Drag(*w.form, {three}, Qt::ControlModifier, true);
  EXPECT_EQ(Table(*w.form).ListCount(), 13);
  Drag(*w.form, {three, ten}, {}, true);
  Drag(*w.form, {notes}, {}, true);
  EXPECT_EQ(Table(*w.form).ListCount(), 13);
  EXPECT_TRUE(w.messages.isEmpty());
  // A refused file is skipped: the first file taken is opened, as on the command line.
  Drag(*w.form, {QDir::tempPath() + "/gone/gone.log", ten}, {}, true);
  EXPECT_EQ(std::pair(Table(*w.form).ListCount(), w.messages.size()), std::pair(10, qsizetype(1)));
}

TEST(RecentLogbooks, SixMostRecentFirstAndAVanishedOneIsDropped) {
  std::vector<QString> files;
  for (int i = 0; i < 7; ++i)
    files.push_back(LogbookFile("log" + std::to_string(i) + ".log", i + 1));
  Window w;
  EXPECT_FALSE(RecentMenu(*w.form)->isEnabled());
  for (const QString& file : files) w.form->OpenLogbook(file);
  w.form->MergeLogbook(files[3]);
  EXPECT_EQ(RecentLogbooks(*w.state),
            QStringList({files[3], files[6], files[5], files[4], files[2], files[1]}));
  const QList<QAction*> entries = RecentMenu(*w.form)->actions();
  ASSERT_EQ(entries.size(), 6);
  EXPECT_EQ(entries[1]->text(), "&2 " + QDir::toNativeSeparators(files[6]));

  std::filesystem::remove(files[5].toStdString());
  entries[2]->trigger();
  ASSERT_EQ(w.messages.size(), 1);
  EXPECT_TRUE(w.messages[0].startsWith("The logbook file " + files[5] + " cannot be read: "));
  EXPECT_EQ(RecentLogbooks(*w.state),
            QStringList({files[3], files[6], files[4], files[2], files[1]}));
  RecentMenu(*w.form)->actions()[3]->trigger();  // files[2], three dives
  EXPECT_EQ(Table(*w.form).ListCount(), 3);

  // The next run finds the list as it was left.
  test::TestWindow next;
  next.settings = std::make_unique<QtSettingsStore>(w.iniPath);
  next.Start();
  EXPECT_EQ(RecentLogbooks(*next.state),
            QStringList({files[2], files[3], files[6], files[4], files[1]}));
}

}  // namespace
}  // namespace scrb
