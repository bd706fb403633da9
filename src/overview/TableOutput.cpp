#include "overview/TableOutput.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "logbook/DiveDates.h"

namespace scrb {

namespace {

// A value as it goes out: a number (written at full precision), a text, or nothing.
struct OutputValue {
  enum Kinds { Null, Number, Text };
  Kinds Kind = Null;
  double Value = 0;
  std::string Chars;
  bool Converted = false;
};

std::string FullPrecision(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

OutputValue ValueOf(const DiveTable& table, int dive, TableColumn column) {
  const TableCell& cell = table.Cell(dive, column);
  OutputValue value;
  switch (column) {
    case TableColumn::Date:
      if (cell.Known) value = {OutputValue::Text, 0, IsoDateText(cell.Text)};
      return value;
    case TableColumn::Time:
    case TableColumn::Trip:
      if (cell.Known) value = {OutputValue::Text, 0, cell.Text};
      return value;
    default:
      break;
  }
  if (cell.Kind == CellKind::Text) return {OutputValue::Text, 0, cell.Text};
  if (cell.Known) value = {OutputValue::Number, cell.Number, {}, cell.Converted};
  return value;
}

// A converted figure in a spreadsheet: 0.45, not the 0.4504195188612099 that the conversion
// leaves. Adding 0 turns a rounded -0 into 0.
std::string PlainText(const OutputValue& value) {
  if (value.Kind != OutputValue::Number) return value.Chars;
  if (!value.Converted || !std::isfinite(value.Value)) return FullPrecision(value.Value);
  return FullPrecision(std::round(value.Value * 100) / 100 + 0.0);
}

// TSV has no quoting: a tab or line break inside a text would split the row, so it becomes a blank.
std::string TsvField(std::string text) {
  for (char& c : text) {
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
          out += escape;
        } else {
          out += c;
        }
    }
  }
  return out + '"';
}

std::string JsonValue(const OutputValue& value) {
  switch (value.Kind) {
    case OutputValue::Number:
      return std::isfinite(value.Value) ? FullPrecision(value.Value) : "null";
    case OutputValue::Text:
      return JsonString(value.Chars);
    default:
      return "null";
  }
}

std::string WriteJson(const DiveTable& table, const std::vector<int>& rows,
                      const std::vector<TableColumn>& columns) {
  std::string out = "[";
  for (size_t r = 0; r < rows.size(); ++r) {
    out += r == 0 ? "\n  {" : ",\n  {";
    for (size_t c = 0; c < columns.size(); ++c) {
      if (c > 0) out += ", ";
      out += JsonString(ColumnInfo(columns[c]).Key) + ": ";
      out += JsonValue(ValueOf(table, rows[r], columns[c]));
    }
    out += '}';
  }
  return out + (rows.empty() ? "]\n" : "\n]\n");
}

}  // namespace

std::optional<TableFormat> TableFormatByName(std::string_view name) {
  if (name == "tsv") return TableFormat::Tsv;
  if (name == "csv") return TableFormat::Csv;
  if (name == "json") return TableFormat::Json;
  return std::nullopt;
}

std::optional<std::vector<TableColumn>> ParseColumnKeys(std::string_view keys,
                                                        std::string& badKey) {
  std::vector<TableColumn> columns;
  size_t start = 0;
  while (start <= keys.size()) {
    size_t end = keys.find(',', start);
    if (end == std::string_view::npos) end = keys.size();
    const std::string_view key = keys.substr(start, end - start);
    const auto column = ColumnByKey(key);
    if (!column) {
      badKey = std::string(key);
      return std::nullopt;
    }
    columns.push_back(*column);
    start = end + 1;
  }
  return columns;
}

std::vector<TableColumn> DefaultOutputColumns() {
  using C = TableColumn;
  return {C::Number, C::Date,     C::Time,     C::Location,
          C::Site,   C::MaxDepth, C::DiveTime, C::WaterTemp};
}

std::string WriteTable(const DiveTable& table, const std::vector<int>& rows,
                       const std::vector<TableColumn>& columns, TableFormat format) {
  if (format == TableFormat::Json) return WriteJson(table, rows, columns);
  const char separator = format == TableFormat::Csv ? ',' : '\t';
  const auto field = [&](std::string text) {
    return format == TableFormat::Csv ? CsvField(text) : TsvField(std::move(text));
  };
  std::string out;
  for (size_t c = 0; c < columns.size(); ++c) {
    if (c > 0) out += separator;
    out += ColumnInfo(columns[c]).Key;
  }
  out += '\n';
  for (int dive : rows) {
    for (size_t c = 0; c < columns.size(); ++c) {
      if (c > 0) out += separator;
      out += field(PlainText(ValueOf(table, dive, columns[c])));
    }
    out += '\n';
  }
  return out;
}

}  // namespace scrb
