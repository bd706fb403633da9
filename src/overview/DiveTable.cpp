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

// Text columns sort by their folded text, the others by their number.
CellKind ColumnKind(TableColumn column) {
  switch (column) {
    case C::Entry:
    case C::Location:
    case C::Site:
    case C::Partners:
    case C::Comment:
      return CellKind::Text;
    default:
      return CellKind::Number;
  }
}

}  // namespace

void DiveTable::Build(const std::vector<DiveRecord>& dives, int displayOption, UnitSystem units) {
  units_ = units;
  trips_ = FindTrips(dives);
  const std::vector<int> tripOf = TripOfEachDive(trips_, dives.size());
  rows_.assign(dives.size(), Row{});
  hasSummary_.assign(dives.size(), false);
  for (size_t i = 0; i < dives.size(); ++i) {
    const DiveRecord& dive = dives[i];
    Row& row = rows_[i];
    const std::string entry = DiveListEntry(dive, displayOption);
    const std::string search = DiveSearchText(dive);
    // Each field is written in the order of Field.
    const std::array<std::string_view, kFieldCount> fields = {entry,
                                                              dive.DiveDate,
                                                              dive.DiveTime,
                                                              dive.Location,
                                                              dive.Site,
                                                              dive.Partners,
                                                              dive.Comment,
                                                              dive.DivingTime,
                                                              "",
                                                              "",
                                                              "",
                                                              "",
                                                              "",
                                                              search};
    std::array<std::string, 5> folded = {FoldText(entry), FoldText(dive.Location),
                                         FoldText(dive.Site), FoldText(dive.Partners),
                                         FoldText(dive.Comment)};
    size_t size = 0;
    for (const std::string_view field : fields) size += field.size();
    for (const std::string& field : folded) size += field.size();
    row.Texts.reserve(size);
    for (size_t f = 0; f < kFieldCount; ++f) {
      row.Texts += f >= EntryFolded && f <= CommentFolded
                       ? std::string_view(folded[f - EntryFolded])
                       : fields[f];
      row.Ends[f] = static_cast<uint32_t>(row.Texts.size());
    }
    row.Number = dive.DiveNumber;
    row.Trip = tripOf[i];
    row.Day = DayNumber(dive.DiveDate);
    row.Clock = ClockMinutes(dive.DiveTime);
    row.Minutes = ClockMinutes(dive.DivingTime);
    row.MaxDepth = dive.MaxDepth;
    row.WaterTemperature = dive.WaterTemperature;
    row.AirTemperature = dive.AirTemperature;
    row.AirConsumption = dive.AirConsumption;
    row.TankCapacity = dive.TankCapacity;
  }
}

void DiveTable::RelabelTrips(const std::vector<DiveRecord>& dives) {
  if (dives.size() != rows_.size()) return;
  trips_ = FindTrips(dives);
  const std::vector<int> tripOf = TripOfEachDive(trips_, dives.size());
  for (size_t i = 0; i < dives.size(); ++i) rows_[i].Trip = tripOf[i];
}

void DiveTable::SetSummary(int dive, const AnalysisSummary& summary) {
  if (dive < 0 || dive >= RowCount()) return;
  Row& row = rows_[static_cast<size_t>(dive)];
  row.BreathRate = summary.BaseBreathRate;
  row.HasSaturation = summary.HasSaturation;
  row.OverSaturation = summary.MaxOverSaturation;
  hasSummary_[static_cast<size_t>(dive)] = true;
}

void DiveTable::ForgetSummaries() {
  hasSummary_.assign(rows_.size(), false);
}

std::string_view DiveTable::Text(const Row& row, Field field) {
  const uint32_t begin = field == 0 ? 0 : row.Ends[field - 1];
  return std::string_view(row.Texts).substr(begin, row.Ends[field] - begin);
}

std::string_view DiveTable::SearchText(int dive) const {
  return Text(rows_[static_cast<size_t>(dive)], SearchField);
}

TableCell DiveTable::TextCellOf(const Row& row, Field text, Field folded) const {
  TableCell cell;
  cell.Text = Text(row, text);
  cell.Known = !cell.Text.empty();
  cell.SortText = Text(row, folded);
  return cell;
}

TableCell DiveTable::Cell(int dive, TableColumn column) const {
  const Row& row = rows_[static_cast<size_t>(dive)];
  const bool summarised = hasSummary_[static_cast<size_t>(dive)];
  const auto ordered = [&row](const std::optional<int32_t>& number, Field text) {
    return OrderedText(number, std::string(Text(row, text)));
  };
  switch (column) {
    case C::Entry:
      return TextCellOf(row, EntryText, EntryFolded);
    case C::Index:
      return NumberCell(static_cast<double>(dive), std::to_string(dive));
    case C::Number:
      return NumberCell(row.Number, std::to_string(row.Number));
    case C::Date:
      return ordered(row.Day, DateText);
    case C::Time:
      return ordered(row.Clock, TimeText);
    case C::Location:
      return TextCellOf(row, LocationText, LocationFolded);
    case C::Site:
      return TextCellOf(row, SiteText, SiteFolded);
    case C::Partners:
      return TextCellOf(row, PartnersText, PartnersFolded);
    case C::Comment:
      return TextCellOf(row, CommentText, CommentFolded);
    case C::MaxDepth:
      return Measurement(row.MaxDepth, Quantity::Depth, units_, "m");
    case C::DiveTime:
      return ordered(row.Minutes, DiveTimeText);
    case C::WaterTemp:
      return Measurement(row.WaterTemperature, Quantity::Temperature, units_, "°C");
    case C::AirTemp:
      return Measurement(row.AirTemperature, Quantity::Temperature, units_, "°C");
    case C::AirUsed:
      return Measurement(row.AirConsumption, Quantity::Pressure, units_, "bar");
    case C::Tank:
      return Measurement(row.TankCapacity, "l");
    case C::BreathRate:
      return summarised && row.BreathRate > 0 ? BreathRateCell(row.BreathRate, units_)
                                              : UnknownNumber();
    case C::MaxOverSat:
      return summarised && row.HasSaturation ? Decimal(row.OverSaturation, "%") : UnknownNumber();
    case C::Trip:
      return NumberCell(row.Trip, trips_[static_cast<size_t>(row.Trip)].Label);
  }
  return {};
}

// The same known-ness and number as Cell gives, for sorting without making texts.
DiveTable::SortKey DiveTable::KeyOf(int dive, TableColumn column) const {
  const Row& row = rows_[static_cast<size_t>(dive)];
  const bool summarised = hasSummary_[static_cast<size_t>(dive)];
  const auto text = [&row](Field folded, Field shown) {
    return SortKey{!Text(row, shown).empty(), 0, Text(row, folded)};
  };
  const auto number = [](const std::optional<int32_t>& value) {
    return value ? SortKey{true, static_cast<double>(*value), {}} : SortKey{};
  };
  const auto measured = [this](double value, std::optional<Quantity> quantity) {
    if (IsUnknownMeasurement(value)) return SortKey{};
    const bool converted = quantity && units_ != UnitSystem::Metric;
    return SortKey{true, converted ? ToUnits(*quantity, value, units_) : value, {}};
  };
  switch (column) {
    case C::Entry:
      return text(EntryFolded, EntryText);
    case C::Index:
      return {true, static_cast<double>(dive), {}};
    case C::Number:
      return {true, static_cast<double>(row.Number), {}};
    case C::Date:
      return number(row.Day);
    case C::Time:
      return number(row.Clock);
    case C::Location:
      return text(LocationFolded, LocationText);
    case C::Site:
      return text(SiteFolded, SiteText);
    case C::Partners:
      return text(PartnersFolded, PartnersText);
    case C::Comment:
      return text(CommentFolded, CommentText);
    case C::MaxDepth:
      return measured(row.MaxDepth, Quantity::Depth);
    case C::DiveTime:
      return number(row.Minutes);
    case C::WaterTemp:
      return measured(row.WaterTemperature, Quantity::Temperature);
    case C::AirTemp:
      return measured(row.AirTemperature, Quantity::Temperature);
    case C::AirUsed:
      return measured(row.AirConsumption, Quantity::Pressure);
    case C::Tank:
      return measured(row.TankCapacity, std::nullopt);
    case C::BreathRate:
      if (!summarised || row.BreathRate <= 0) return {};
      return {true,
              units_ == UnitSystem::Metric ? row.BreathRate
                                           : ToUnits(Quantity::BreathRate, row.BreathRate, units_),
              {}};
    case C::MaxOverSat:
      if (!summarised || !row.HasSaturation) return {};
      return {true, row.OverSaturation, {}};
    case C::Trip:
      return {true, static_cast<double>(row.Trip), {}};
  }
  return {};
}

bool DiveTable::RowBefore(int a, int b, TableColumn column, bool descending) const {
  const SortKey left = KeyOf(a, column);
  const SortKey right = KeyOf(b, column);
  if (left.Known != right.Known) return left.Known;
  int order = 0;
  if (left.Known) {
    if (ColumnKind(column) == CellKind::Number) {
      order = left.Number < right.Number ? -1 : right.Number < left.Number ? 1 : 0;
    } else {
      order = left.Folded.compare(right.Folded);
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
