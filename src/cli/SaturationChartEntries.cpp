#include "cli/ChartRegistry.h"

namespace scrb::cli {

std::vector<ChartEntry> SaturationChartEntries() { return {}; }

}  // namespace scrb::cli
