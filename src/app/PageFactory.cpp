#include <QtGlobal>

#include "app/AirPage.h"
#include "app/ChartView.h"
#include "app/DepthPages.h"
#include "app/DivePage.h"
#include "app/GeneralPage.h"
#include "app/PhysPage.h"
#include "app/RawDataPage.h"
#include "app/TissuePage.h"

namespace scrb {

namespace {

template <typename Page>
DivePage* Create(AppContext& context, QWidget* parent) {
  return new Page(context, parent);
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

void DivePage::SetSampleCount(std::initializer_list<ChartView*> charts, const DiveRecord* dive) {
  const auto profile = dive != nullptr ? context_.Analysis.Profile(*dive) : nullptr;
  for (ChartView* chart : charts) chart->SetSampleCount(profile ? profile->SampleCount : 0);
}

}  // namespace scrb
