#pragma once

#include <string>
#include <vector>

#include "logbook/Logbook.h"

namespace scrb::test {

// The logbook written as a Subsurface XML logbook, as the program saves it; empty when the writer
// reported a failure. The one place the tests and the fuzz target call the writer.
std::string ExportSubsurface(const Logbook& book);

// What that program's import would stumble over: the document does not parse or has another
// root, a measurement that is not a finite number followed by its unit, a time that is not
// "m:ss min", a date that is not yyyy-mm-dd, a site id given twice or that no site has, samples
// that go back in time. Empty when the document is sound.
std::vector<std::string> SubsurfaceFaults(const std::string& document);

}  // namespace scrb::test
