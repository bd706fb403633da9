#include "app/AirPage.h"
#include "app/DepthPages.h"
#include "app/GeneralPage.h"
#include "app/PhysPage.h"
#include "app/RawDataPage.h"
#include "app/MainWindow.h"
#include "app/TissuePage.h"

namespace scrb {
DivePage* CreateDivePage(int index, AppContext& context, QWidget* parent) {
  switch (index) {
    case 1: return new DepthChartPage(context, parent);
    case 2: return new SpeedPage(context, parent);
    case 3: return new AirPage(context, parent);
    case 4: return new PhysPage(context, parent);
    case 5: return new TissuePage(context, parent);
    case 6: return new RawDataPage(context, parent);
    default: return new GeneralPage(context, parent);
  }
}

}  // namespace scrb
