#include "cli/ChartRegistry.h"

namespace scrb::cli {

std::vector<ChartEntry> DiveChartEntries() { return {}; }

}  // namespace scrb::cli
