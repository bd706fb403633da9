#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/DiveAnalysis.h"
#include "logbook/DiveRecord.h"
#include "overview/DiveSearch.h"
#include "overview/TableColumns.h"
#include "overview/Trips.h"
#include "report/Units.h"

namespace scrb {

// How a cell is ordered: by its folded text, or by a number behind the text (dates, times,
// measurements, trips in date order).
enum class CellKind { Text, Number };

struct TableCell {
  CellKind Kind = CellKind::Text;
  // False for what the dive computer did not record, a date or time that cannot be read, a
  // computed value without an estimate, and an empty text: such cells sort last in either order.
  bool Known = false;
  double Number = 0;     // the value in the table's units, the day, the minutes, the trip's place
  std::string Text;      // what the window shows; empty when not known
  std::string SortText;  // folded Text, for text cells
  // Number was converted from a metric figure, so it carries digits the dive computer never had.
  bool Converted = false;
};

// Every row of the table for one logbook: the cells of each column, the search texts and the
// trips, worked out once so that sorting and searching a large logbook stay quick.
class DiveTable {
 public:
  // Measurements show, and sort and are written, in `units`; tank sizes stay in litres.
  void Build(const std::vector<DiveRecord>& dives, int displayOption, UnitSystem units);
  // The trips' names anew ("Elba, July 1996"), in the language now installed, for the dives the
  // table was built from; nothing else changes.
  void RelabelTrips(const std::vector<DiveRecord>& dives);
  // Fills the breath rate and over-saturation cells from the dive's analysis summary.
  void SetSummary(int dive, const AnalysisSummary& summary);
  // The computed cells become unknown again (another model, another logbook).
  void ForgetSummaries();
  bool HasSummary(int dive) const { return hasSummary_[static_cast<size_t>(dive)]; }

  int RowCount() const { return static_cast<int>(rows_.size()); }
  // Made when asked for, from what the row keeps.
  TableCell Cell(int dive, TableColumn column) const;
  const std::vector<Trip>& Trips() const { return trips_; }
  std::string_view SearchText(int dive) const;
  bool Matches(int dive, const DiveSearch& search) const {
    return search.MatchesText(SearchText(dive));
  }

  // True when row a comes before row b sorted by the column: unknown cells last in both
  // directions, equal cells in logbook order.
  bool RowBefore(int a, int b, TableColumn column, bool descending) const;
  // The rows that match the search, sorted by the column (in logbook order without one).
  std::vector<int> ViewOrder(const DiveSearch& search, std::optional<TableColumn> sortColumn,
                             bool descending) const;

 private:
  // The texts a row keeps, in this order in one string: the dive's own texts, the folded ones
  // it sorts by, and its search text.
  enum Field : uint8_t {
    EntryText,
    DateText,
    TimeText,
    LocationText,
    SiteText,
    PartnersText,
    CommentText,
    DiveTimeText,
    EntryFolded,
    LocationFolded,
    SiteFolded,
    PartnersFolded,
    CommentFolded,
    SearchField,
    kFieldCount
  };
  // A dive's row as kept: a large logbook's table costs a few values and one string a dive, not
  // a cell apiece; the cells are made from these by the same rules when asked for.
  struct Row {
    std::string Texts;
    std::array<uint32_t, kFieldCount> Ends{};  // where each field ends in Texts
    int32_t Number = 0;
    int32_t Trip = 0;
    std::optional<int32_t> Day, Clock, Minutes;  // of the date, the time and the dive time
    double MaxDepth = 0, WaterTemperature = 0, AirTemperature = 0, AirConsumption = 0,
           TankCapacity = 0;  // as recorded
    double BreathRate = 0;    // of the summary; 0: no estimate
    double OverSaturation = 0;
    bool HasSaturation = false;
  };
  // What a cell sorts by, without making its text.
  struct SortKey {
    bool Known = false;
    double Number = 0;
    std::string_view Folded;  // of a text cell
  };
  static std::string_view Text(const Row& row, Field field);
  TableCell TextCellOf(const Row& row, Field text, Field folded) const;
  SortKey KeyOf(int dive, TableColumn column) const;

  std::vector<Row> rows_;
  std::vector<Trip> trips_;
  std::vector<bool> hasSummary_;
  UnitSystem units_ = UnitSystem::Metric;
};

// The status line while the table is searched: "12 of 76 dives shown".
std::string ShownDivesText(int shown, int total);
// While the computed columns fill in: "Analysing dives: 120 of 10000".
std::string AnalysisProgressText(int done, int total);

}  // namespace scrb
