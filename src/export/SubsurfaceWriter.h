#pragma once

#include <iosfwd>
#include <string_view>

#include "analysis/AnalysisCache.h"
#include "logbook/Logbook.h"

namespace scrb {

// Writes every dive of the store as one Subsurface XML logbook (format version 3) in UTF-8: each
// place once as a dive site named "Site, Location", the dives grouped into the dive table's trips
// (in date order, each trip named as the table names it), every dive's logbook values in metric
// units with the unit written out, and its decoded profile as samples at the same times and
// depths as the UDDF waypoints. The texts are English whatever language is installed. Values the
// logbook marks as missing are left out; no tank pressure and no position is written, as the
// logbook records neither. The same logbook always gives the same bytes. False when the stream
// failed.
bool WriteSubsurface(const Logbook& book, AnalysisCache& analysis, std::ostream& out);

// Whether a path names a Subsurface logbook (.ssrf), in any letter case.
bool IsSubsurfacePath(std::string_view path);

}  // namespace scrb
