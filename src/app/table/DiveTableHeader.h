#pragma once

#include <string>

class QTableView;

namespace scrb {

class DiveTableModel;

// The dive table's column header: columns the diver moves, shows and hides (from its context
// menu), first widths that fit, and its state kept between runs.

// Movable columns, the default ones shown, sorted by a click on a title and back in logbook order
// by the third.
void SetUpDiveTableHeader(QTableView& table, const DiveTableModel& model);

// Every column at least as wide as its title and a typical value need in the language spoken; a
// column the diver made wider stays so.
void FitDiveTableTitles(QTableView& table, const DiveTableModel& model);

// The header's state as a settings text, and back: false, with the header untouched, when the
// text is empty or does not fit the columns of this version.
std::string SavedDiveTableHeader(const QTableView& table);
bool RestoreDiveTableHeader(QTableView& table, const std::string& saved);

}  // namespace scrb
