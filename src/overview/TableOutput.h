#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "overview/DiveTable.h"

namespace scrb {

enum class TableFormat { Tsv, Csv, Json };

std::optional<TableFormat> TableFormatByName(std::string_view name);

// Comma-separated column keys; nothing, with the offending key in `badKey`, when one is not a
// column (or the list is empty).
std::optional<std::vector<TableColumn>> ParseColumnKeys(std::string_view keys, std::string& badKey);

// The columns printed when none are asked for.
std::vector<TableColumn> DefaultOutputColumns();

// The rows as text for scripts: TSV and CSV with a header line of the keys and LF line ends, an
// empty cell for what is not known; JSON as one array of objects keyed by the column keys, null
// for what is not known. Measurements are numbers in the table's units, at full precision except
// that TSV and CSV round figures converted to imperial to two decimals; dates yyyy-mm-dd, times
// hh:mm, dive times in minutes.
std::string WriteTable(const DiveTable& table, const std::vector<int>& rows,
                       const std::vector<TableColumn>& columns, TableFormat format);

}  // namespace scrb
