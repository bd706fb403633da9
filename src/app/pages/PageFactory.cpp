#include <QtGlobal>

#include "app/pages/AirPage.h"
#include "app/pages/DepthPages.h"
#include "app/pages/DivePage.h"
#include "app/pages/GeneralPage.h"
#include "app/pages/PhysPage.h"
#include "app/pages/RawDataPage.h"
#include "app/pages/TissuePage.h"

namespace scrb {

namespace {

template <typename Page>
DivePage* Create(LogbookState& state, TimeWindow& time, QWidget* parent) {
  return new Page(state, time, parent);
}

}  // namespace

// "Ph&ys Data" leaves Alt+P to "&Previous". The window shows the captions in its language.
const std::array<DivePageKind, 7> kDivePages = {{
    {QT_TRANSLATE_NOOP("scrb::MainWindow", "&General"), "Ctrl+1", Create<GeneralPage>},
    {QT_TRANSLATE_NOOP("scrb::MainWindow", "&Dive"), "Ctrl+2", Create<DepthChartPage>},
    {QT_TRANSLATE_NOOP("scrb::MainWindow", "Vertical &Speed"), "Ctrl+3", Create<SpeedPage>},
    {QT_TRANSLATE_NOOP("scrb::MainWindow", "&Air"), "Ctrl+4", Create<AirPage>},
    {QT_TRANSLATE_NOOP("scrb::MainWindow", "Ph&ys Data"), "Ctrl+5", Create<PhysPage>},
    {QT_TRANSLATE_NOOP("scrb::MainWindow", "&Tissue Sat"), "Ctrl+6", Create<TissuePage>},
    {QT_TRANSLATE_NOOP("scrb::MainWindow", "&Raw Data"), "Ctrl+7", Create<RawDataPage>},
}};

}  // namespace scrb
