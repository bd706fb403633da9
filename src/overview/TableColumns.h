#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace scrb {

// The columns of the dive table, in their default order.
enum class TableColumn {
  Entry,  // the dive list entry under the display option
  Index,  // list index from 0
  Number,
  Date,
  Time,
  Location,
  Site,
  Partners,
  Comment,
  MaxDepth,
  DiveTime,
  WaterTemp,
  AirTemp,
  AirUsed,
  Tank,
  BreathRate,
  MaxOverSat,
  Trip,
};
inline constexpr size_t kTableColumnCount = static_cast<size_t>(TableColumn::Trip) + 1;

struct TableColumnInfo {
  TableColumn Column;
  std::string_view Key;    // what the command line names it by; empty: not offered there
  std::string_view Title;  // the window's header
  bool InWindow;           // offered by the window's table
  bool ShownByDefault;     // in the window
  bool AlignRight;         // numbers
  bool Computed;           // known only once the dive's analysis is summarised
};

// Every column in the order of TableColumn; a column by its command-line key.
std::span<const TableColumnInfo> TableColumns();
const TableColumnInfo& ColumnInfo(TableColumn column);
std::optional<TableColumn> ColumnByKey(std::string_view key);

}  // namespace scrb
