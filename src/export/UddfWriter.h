#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "analysis/AnalysisCache.h"
#include "logbook/Logbook.h"

namespace scrb {

// Writes every dive of the store, in store order, as one UDDF 3.2 document in UTF-8: the sites,
// partners and tank sizes once each with the dives linking to them, every dive's logbook values
// in SI units and its decoded profile as waypoints. Values the logbook marks as missing are left
// out. The same logbook always gives the same bytes. The profiles come from the analysis cache of
// the book's dives. False when the stream failed.
bool WriteUddf(const Logbook& book, AnalysisCache& analysis, std::ostream& out);

// Whether a path names a UDDF file by its extension, in any letter case.
bool IsUddfPath(std::string_view path);

// The status line after an export: "12 dives exported to /home/me/dives.uddf."
std::string UddfExportedText(int diveCount, const std::string& path);

// The message for an export that could not be written.
std::string UddfFailedMessage(const std::string& path, const std::string& reason);

}  // namespace scrb
