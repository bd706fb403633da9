#include "cli/ChartRegistry.h"

namespace scrb::cli {

std::vector<ChartEntry> AirChartEntries() { return {}; }

}  // namespace scrb::cli
