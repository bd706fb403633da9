#include "overview/DiveTable.h"

#include <algorithm>
#include <numeric>

#include "logbook/DiveDates.h"
#include "logbook/LogbookReader.h"
#include "logbook/MissingValues.h"
#include "logbook/Translation.h"
#include "report/FieldDecoders.h"
#include "report/NumberFormat.h"
#include "report/Units.h"

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

TableCell TextCell(std::string text) {
  TableCell cell;
  cell.Known = !text.empty();
  cell.SortText = FoldText(text);
  cell.Text = std::move(text);
  return cell;
}

TableCell NumberCell(double number, std::string text) {
  TableCell cell;
  cell.Kind = CellKind::Number;
  cell.Known = true;
  cell.Number = number;
  cell.Text = std::move(text);
  return cell;
}

TableCell UnknownNumber() {
  TableCell cell;
  cell.Kind = CellKind::Number;
  return cell;
}

TableCell Measurement(double value, std::string_view unit) {
  if (IsUnknownMeasurement(value)) return UnknownNumber();
  return NumberCell(value, FormatWithUnit(value, unit));
}

// A measured field in the table's units; the cell's number is in those units too, so that the
// command line writes what the window shows. Metric keeps the table's own unit texts.
TableCell Measurement(double value, Quantity quantity, UnitSystem units,
                      std::string_view metricUnit) {
  if (units == UnitSystem::Metric || IsUnknownMeasurement(value))
    return Measurement(value, metricUnit);
  TableCell cell =
      NumberCell(ToUnits(quantity, value, units), FieldWithUnit(quantity, value, units));
  cell.Converted = true;
  return cell;
}

// A date or a clock text ordered by the number read from it.
TableCell OrderedText(const std::optional<int>& number, const std::string& text) {
  return number ? NumberCell(*number, text) : UnknownNumber();
}

TableCell Decimal(double value, std::string_view unit) {
  return NumberCell(value, FormatPattern(value, "0.0") + " " + std::string(unit));
}

TableCell BreathRateCell(double litresPerMinute, UnitSystem units) {
  if (units == UnitSystem::Metric) return Decimal(litresPerMinute, "l/min");
  TableCell cell = NumberCell(ToUnits(Quantity::BreathRate, litresPerMinute, units),
                              FormatIn(Quantity::BreathRate, litresPerMinute, units, "0.0") + " " +
                                  std::string(UnitText(Quantity::BreathRate, units)));
  cell.Converted = true;
  return cell;
}

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

void DiveTable::Build(const std::vector<DiveRecord>& dives, int displayOption, UnitSystem units) {
  units_ = units;
  trips_ = FindTrips(dives);
  const std::vector<int> tripOf = TripOfEachDive(trips_, dives.size());
  rows_.assign(dives.size(), Row{});
  searchTexts_.resize(dives.size());
  hasSummary_.assign(dives.size(), false);
  for (size_t i = 0; i < dives.size(); ++i) {
    const DiveRecord& dive = dives[i];
    Row& row = rows_[i];
    const auto at = [&](C column) -> TableCell& { return row[static_cast<size_t>(column)]; };
    at(C::Entry) = TextCell(DiveListEntry(dive, displayOption));
    at(C::Index) = NumberCell(static_cast<double>(i), std::to_string(i));
    at(C::Number) = NumberCell(dive.DiveNumber, std::to_string(dive.DiveNumber));
    at(C::Date) = OrderedText(DayNumber(dive.DiveDate), dive.DiveDate);
    at(C::Time) = OrderedText(ClockMinutes(dive.DiveTime), dive.DiveTime);
    at(C::Location) = TextCell(dive.Location);
    at(C::Site) = TextCell(dive.Site);
    at(C::Partners) = TextCell(dive.Partners);
    at(C::Comment) = TextCell(dive.Comment);
    at(C::MaxDepth) = Measurement(dive.MaxDepth, Quantity::Depth, units, "m");
    at(C::DiveTime) = OrderedText(ClockMinutes(dive.DivingTime), dive.DivingTime);
    at(C::WaterTemp) = Measurement(dive.WaterTemperature, Quantity::Temperature, units, "°C");
    at(C::AirTemp) = Measurement(dive.AirTemperature, Quantity::Temperature, units, "°C");
    at(C::AirUsed) = Measurement(dive.AirConsumption, Quantity::Pressure, units, "bar");
    at(C::Tank) = Measurement(dive.TankCapacity, "l");
    at(C::BreathRate) = UnknownNumber();
    at(C::MaxOverSat) = UnknownNumber();
    const int trip = tripOf[i];
    at(C::Trip) = NumberCell(trip, trips_[static_cast<size_t>(trip)].Label);
    searchTexts_[i] = DiveSearchText(dive);
  }
}

void DiveTable::RelabelTrips(const std::vector<DiveRecord>& dives) {
  if (dives.size() != rows_.size()) return;
  trips_ = FindTrips(dives);
  const std::vector<int> tripOf = TripOfEachDive(trips_, dives.size());
  for (size_t i = 0; i < dives.size(); ++i) {
    const int trip = tripOf[i];
    rows_[i][static_cast<size_t>(C::Trip)] =
        NumberCell(trip, trips_[static_cast<size_t>(trip)].Label);
  }
}

void DiveTable::SetSummary(int dive, const AnalysisSummary& summary) {
  if (dive < 0 || dive >= RowCount()) return;
  Row& row = rows_[static_cast<size_t>(dive)];
  TableCell& breath = row[static_cast<size_t>(C::BreathRate)];
  breath =
      summary.BaseBreathRate > 0 ? BreathRateCell(summary.BaseBreathRate, units_) : UnknownNumber();
  TableCell& overSat = row[static_cast<size_t>(C::MaxOverSat)];
  overSat = summary.HasSaturation ? Decimal(summary.MaxOverSaturation, "%") : UnknownNumber();
  hasSummary_[static_cast<size_t>(dive)] = true;
}

void DiveTable::ForgetSummaries() {
  for (Row& row : rows_) {
    row[static_cast<size_t>(C::BreathRate)] = UnknownNumber();
    row[static_cast<size_t>(C::MaxOverSat)] = UnknownNumber();
  }
  hasSummary_.assign(rows_.size(), false);
}

bool DiveTable::RowBefore(int a, int b, TableColumn column, bool descending) const {
  const TableCell& left = Cell(a, column);
  const TableCell& right = Cell(b, column);
  if (left.Known != right.Known) return left.Known;
  int order = 0;
  if (left.Known) {
    if (left.Kind == CellKind::Number) {
      order = left.Number < right.Number ? -1 : right.Number < left.Number ? 1 : 0;
    } else {
      order = left.SortText.compare(right.SortText);
    }
  }
  if (order == 0) return a < b;
  return descending ? order > 0 : order < 0;
}

std::vector<int> DiveTable::ViewOrder(const DiveSearch& search,
                                      std::optional<TableColumn> sortColumn,
                                      bool descending) const {
  std::vector<int> rows;
  rows.reserve(rows_.size());
  for (int i = 0; i < RowCount(); ++i) {
    if (Matches(i, search)) rows.push_back(i);
  }
  if (sortColumn) {
    std::sort(rows.begin(), rows.end(),
              [&](int a, int b) { return RowBefore(a, b, *sortColumn, descending); });
  }
  return rows;
}

std::string ShownDivesText(int shown, int total) {
  return FillIn(Tr("Table", "%1 of %2 dives shown"),
                {std::to_string(shown), std::to_string(total)});
}

std::string AnalysisProgressText(int done, int total) {
  return FillIn(Tr("Table", "Analysing dives: %1 of %2"),
                {std::to_string(done), std::to_string(total)});
}

}  // namespace scrb
