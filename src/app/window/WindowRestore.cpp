#include <QLayout>
#include <QResizeEvent>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <algorithm>
#include <cmath>

#include "app/dialogs/UserDialogs.h"
#include "app/state/LogbookState.h"
#include "app/state/SettingsStore.h"
#include "app/state/WindowSettings.h"
#include "app/table/DiveTablePane.h"
#include "app/views/WindowPlacement.h"
#include "app/window/MainWindow.h"
#include "logbook/StartupSettings.h"
#include "report/NumberFormat.h"

// The main window's place, size, page and dive: saved when the program ends, restored at start,
// and the smallest size it may take.

namespace scrb {

// The model, the repetitive option, the units and the language were saved when they changed.
void MainWindow::SaveSettings() {
  settingsSaved_ = true;
  SettingsStore& settings = state_.Settings();
  const auto saveTwips = [this, &settings](const char* key, int pixels) {
    settings.SaveSetting(key, GeneralNumber(std::round(PixelsToTwips(pixels, this))));
  };
  const int windowState = isMinimized() ? 1 : isMaximized() ? 2 : 0;
  const QRect frame = frameGeometry();
  settings.SaveSetting(settings::kWindowState, GeneralNumber(windowState));
  saveTwips(settings::kWidth, frame.width());
  saveTwips(settings::kHeight, frame.height());
  saveTwips(settings::kTop, frame.top());
  saveTwips(settings::kLeft, frame.left());
  settings.SaveSetting(settings::kTabNumber, GeneralNumber(diveTab_->currentIndex()));
  const int index = table_->ListIndex();
  settings.SaveSetting(settings::kCurrentDiveSelected, GeneralNumber(index));
  settings.SaveSetting(settings::kLastDive, index == table_->ListCount() - 1 ? "1" : "0");
  saveTwips(settings::kDiveListWidth, table_->width());
  table_->SaveHeader();
}

void MainWindow::LoadWindow() {
  const SettingsStore& settings = state_.Settings();
  // A saved place or size in twips as pixels, kept within what the screen can show: a damaged
  // settings file must not put the window out of reach or make it millions of pixels large.
  const auto SavedPixels = [this, &settings](const char* key, int low, int high) {
    const double pixels = SettingNumber(settings.GetSetting(key, "")) / TwipsPerPixel(this);
    return static_cast<int>(
        std::lround(std::clamp(pixels, double(low), double(std::max(low, high)))));
  };
  // The restored page is the first to be shown, and so the only one drawn.
  diveTab_->setCurrentIndex(TabNumberFromSetting(settings.GetSetting(settings::kTabNumber, "1")));
  loading_ = true;
  const QRect available =
      screen() != nullptr ? screen()->availableGeometry() : QRect(0, 0, 1920, 1080);
  move(SavedPixels(settings::kLeft, available.left(), available.right() - 100),
       SavedPixels(settings::kTop, available.top(), available.bottom() - 100));
  show();
  lastSize_ = size();
  loading_ = false;
  const int windowState = WindowStateFromSetting(settings.GetSetting(settings::kWindowState, "2"));
  if (windowState == 0) {
    // The saved sizes are outer sizes, frame included.
    const int frameW = frameGeometry().width() - width();
    const int frameH = frameGeometry().height() - height();
    const int w = SavedPixels(settings::kWidth, 0, available.width());
    const int h = SavedPixels(settings::kHeight, 0, available.height());
    if (w != 0) resize(std::max(1, w - frameW), height());
    if (h != 0) resize(width(), std::max(1, h - frameH));
  } else if (windowState == 1) {
    showMinimized();
  } else {
    // Without a window manager maximising does nothing; the screen's size is the next best.
    setGeometry(available);
    showMaximized();
  }
  // The saved list width, once the window has its size; the pages keep at least half of it.
  const int listWidth = DiveListWidthFromSetting(settings.GetSetting(settings::kDiveListWidth, ""));
  if (listWidth > 0) {
    centralWidget()->layout()->activate();  // the splitter at the window's restored size
    const int total = splitter_->sizes().value(0) + splitter_->sizes().value(1);
    const int pixels = std::min(TwipsToPixels(listWidth, this), total / 2);
    splitter_->setSizes({pixels, total - pixels});
  }
  const int count = table_->ListCount();
  table_->SelectListIndex(
      restoredSameFiles_
          ? DiveToSelect(SettingNumber(settings.GetSetting(settings::kCurrentDiveSelected, "-1")),
                         SettingNumber(settings.GetSetting(settings::kLastDive, "1")), count)
          : std::min(0, count - 1));  // the first dive, if any
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (loading_ || isMinimized() || !isVisible()) return;
  const int w = width();
  const int h = height();
  if (size() == lastSize_) return;
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
  lastSize_ = size();
}

}  // namespace scrb
