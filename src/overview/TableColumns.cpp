#include "overview/TableColumns.h"

#include <array>

#include "logbook/Translation.h"

namespace scrb {

namespace {

using C = TableColumn;

constexpr std::array<TableColumnInfo, kTableColumnCount> kColumns{{
    // column, key, title, window, default, right, computed
    {C::Entry, "", SCRB_TRANSLATE_NOOP("scrb::DiveTableModel", "Dive"), true, true, false, false},
    {C::Index, "index", SCRB_TRANSLATE_NOOP("scrb::DiveTableModel", "Index"), false, false, true,
     false},
    {C::Number, "number", SCRB_TRANSLATE_NOOP("scrb::DiveTableModel", "No."), true, false, true,
     false},
    {C::Date, "date", SCRB_TRANSLATE_NOOP("scrb::DiveTableModel", "Date"), true, true, false,
     false},
    {C::Time, "time", SCRB_TRANSLATE_NOOP("scrb::DiveTableModel", "Time"), true, false, false,
     false},
    {C::Location, "location", SCRB_TRANSLATE_NOOP("scrb::DiveTableModel", "Location"), true, false,
     false, false},
    {C::Site, "site", SCRB_TRANSLATE_NOOP("scrb::DiveTableModel", "Site"), true, false, false,
     false},
    {C::Partners, "partners", SCRB_TRANSLATE_NOOP("scrb::DiveTableModel", "Partners"), true, false,
     false, false},
    {C::Comment, "comment", SCRB_TRANSLATE_NOOP("scrb::DiveTableModel", "Comment"), true, false,
     false, false},
    {C::MaxDepth, "maxdepth", SCRB_TRANSLATE_NOOP("scrb::DiveTableModel", "Max. depth"), true, true,
     true, false},
    {C::DiveTime, "divetime", SCRB_TRANSLATE_NOOP("scrb::DiveTableModel", "Dive time"), true, true,
     true, false},
    {C::WaterTemp, "watertemp", SCRB_TRANSLATE_NOOP("scrb::DiveTableModel", "Water temp."), true,
     false, true, false},
    {C::AirTemp, "airtemp", SCRB_TRANSLATE_NOOP("scrb::DiveTableModel", "Air temp."), true, false,
     true, false},
    {C::AirUsed, "airused", SCRB_TRANSLATE_NOOP("scrb::DiveTableModel", "Air used"), true, false,
     true, false},
    {C::Tank, "tank", SCRB_TRANSLATE_NOOP("scrb::DiveTableModel", "Tank"), true, false, true,
     false},
    {C::BreathRate, "breathrate", SCRB_TRANSLATE_NOOP("scrb::DiveTableModel", "Breath rate"), true,
     false, true, true},
    {C::MaxOverSat, "maxoversat",
     SCRB_TRANSLATE_NOOP("scrb::DiveTableModel", "Max. over-saturation"), true, false, true, true},
    {C::Trip, "trip", SCRB_TRANSLATE_NOOP("scrb::DiveTableModel", "Trip"), true, false, false,
     false},
}};

}  // namespace

std::span<const TableColumnInfo> TableColumns() {
  return kColumns;
}

const TableColumnInfo& ColumnInfo(TableColumn column) {
  return kColumns[static_cast<size_t>(column)];
}

std::optional<TableColumn> ColumnByKey(std::string_view key) {
  for (const TableColumnInfo& info : kColumns) {
    if (!info.Key.empty() && info.Key == key) return info.Column;
  }
  return std::nullopt;
}

}  // namespace scrb
