// Where the main window stands and how large it is: restored from the settings at start, kept
// within the screen and never smaller than every page needs.

#include <QLayout>
#include <QResizeEvent>
#include <QScreen>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <algorithm>
#include <cmath>

#include "app/MainWindow.h"
#include "app/SettingsStore.h"
#include "app/UserDialogs.h"
#include "app/WindowMeasures.h"
#include "logbook/StartupSettings.h"

namespace scrb {

// A saved place or size in twips as pixels, kept within what the screen can show: a damaged
// settings file must not put the window out of reach or make it millions of pixels large.
int MainWindow::SavedPixels(const char* key, int low, int high) const {
  const double pixels = SettingNumber(settings_.GetSetting(key, "")) / TwipsPerPixel(this);
  return static_cast<int>(
      std::lround(std::clamp(pixels, double(low), double(std::max(low, high)))));
}

void MainWindow::LoadWindow() {
  loading_ = true;
  const QRect available =
      screen() != nullptr ? screen()->availableGeometry() : QRect(0, 0, 1920, 1080);
  move(SavedPixels(settings::kLeft, available.left(), available.right() - 100),
       SavedPixels(settings::kTop, available.top(), available.bottom() - 100));
  show();
  lastWidth_ = width();
  lastHeight_ = height();
  loading_ = false;
  const int state = WindowStateFromSetting(settings_.GetSetting(settings::kWindowState, "2"));
  if (state == 0) {
    // The saved sizes are outer sizes, frame included.
    const int frameW = frameGeometry().width() - width();
    const int frameH = frameGeometry().height() - height();
    const int w = SavedPixels(settings::kWidth, 0, available.width());
    const int h = SavedPixels(settings::kHeight, 0, available.height());
    if (w != 0) resize(std::max(1, w - frameW), height());
    if (h != 0) resize(width(), std::max(1, h - frameH));
  } else if (state == 1) {
    showMinimized();
  } else {
    // Without a window manager maximising does nothing; the screen's size is the next best.
    setGeometry(available);
    showMaximized();
  }
  // The saved list width, once the window has its size; the pages keep at least half of it.
  const int listWidth =
      DiveListWidthFromSetting(settings_.GetSetting(settings::kDiveListWidth, ""));
  if (listWidth > 0) {
    centralWidget()->layout()->activate();  // the splitter at the window's restored size
    const int total = splitter_->sizes().value(0) + splitter_->sizes().value(1);
    const int pixels = std::min(TwipsToPixels(listWidth, this), total / 2);
    splitter_->setSizes({pixels, total - pixels});
  }
  const int tab = TabNumberFromSetting(settings_.GetSetting(settings::kTabNumber, "1"));
  {
    // The dive is shown once below, for the restored page.
    const QSignalBlocker block(diveTab_);
    diveTab_->setCurrentIndex(tab);
    shownTab_ = tab;
  }
  SelectListIndex(
      restoredSameFiles_
          ? DiveToSelect(SettingNumber(settings_.GetSetting(settings::kCurrentDiveSelected, "-1")),
                         SettingNumber(settings_.GetSetting(settings::kLastDive, "1")), ListCount())
          : std::min(0, ListCount() - 1));  // the first dive, if any
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (loading_ || isMinimized() || !isVisible()) return;
  const int w = width();
  const int h = height();
  if (w == lastWidth_ && h == lastHeight_) return;
  const double twips = TwipsPerPixel(this);
  const int minWidth = static_cast<int>(std::ceil(kMinWidthTwips / twips));
  const int minHeight = static_cast<int>(std::ceil(kMinHeightTwips / twips));
  if (frameGeometry().width() < minWidth || frameGeometry().height() < minHeight) {
    dialogs_.Beep();
    const int extraW = frameGeometry().width() - w;
    const int extraH = frameGeometry().height() - h;
    resize(std::max(w, minWidth - extraW), std::max(h, minHeight - extraH));
    return;
  }
  lastWidth_ = w;
  lastHeight_ = h;
  ScheduleRedraw();
}

}  // namespace scrb
