#include "app/views/ChartDrawing.h"

#include <QCoreApplication>
#include <QFuture>
#include <QPointer>
#include <QSemaphore>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <exception>

#include "app/views/ChartView.h"

namespace scrb {

namespace {

// A pool of its own: the shared one may be busy with the table's or the statistics' summaries, and
// a dive must not wait for those. The application owns it, so that its threads end, and free the
// fonts they drew with, while Qt is still there to free them.
QThreadPool* ChartDrawingPool() {
  static QPointer<QThreadPool> pool;
  if (pool.isNull()) pool = new QThreadPool(QCoreApplication::instance());
  return pool.data();
}

}  // namespace

void DrawChartsTogether(const std::vector<ChartDrawing>& drawings) {
  if (drawings.empty()) return;
  std::vector<PainterSurface*> surfaces;
  for (const ChartDrawing& drawing : drawings) surfaces.push_back(&drawing.View->DetachSurface());
  std::vector<std::exception_ptr> failures(drawings.size());
  const auto draw = [&](size_t k) {
    try {
      drawings[k].Draw(*surfaces[k]);
      // The last data line is still waiting to be stroked: it is stroked here, on this chart's
      // thread, rather than by the interface thread after all are drawn.
      surfaces[k]->Finish();
    } catch (...) {
      failures[k] = std::current_exception();
    }
  };
  // Qt's raster engine hands every large fill to the shared pool and waits for it, unless it runs
  // on one of that pool's threads: with two charts drawing at once on two cores, those hand-offs
  // cost more than they save. So each chart goes to a free thread of the shared pool and fills
  // its spans there itself; what finds none busy with a summary is drawn as before, here and on
  // the pool of our own.
  QSemaphore shared;
  int onShared = 0;
  std::vector<size_t> left;
  for (size_t k = 0; k < drawings.size(); ++k) {
    const bool started = QThreadPool::globalInstance()->tryStart([&draw, &shared, k] {
      draw(k);
      shared.release();
    });
    if (started) {
      ++onShared;
    } else {
      left.push_back(k);
    }
  }
  std::vector<QFuture<void>> others;
  for (size_t n = 1; n < left.size(); ++n) {
    others.push_back(QtConcurrent::run(ChartDrawingPool(), [&draw, k = left[n]] { draw(k); }));
  }
  if (!left.empty()) draw(left.front());
  for (QFuture<void>& other : others) other.waitForFinished();
  shared.acquire(onShared);
  for (const ChartDrawing& drawing : drawings) drawing.View->AttachSurface();
  for (const std::exception_ptr& failure : failures) {
    if (failure) std::rethrow_exception(failure);
  }
}

}  // namespace scrb
