#pragma once

#include <string>
#include <vector>

#include "logbook/Logbook.h"

namespace scrb::test {

// The logbook written as UDDF, as the program saves it; empty when the writer reported a failure.
// The one place the tests and the fuzz target call the writer.
std::string ExportUddf(const Logbook& book);

// What an importer would stumble over in an exported document: it does not parse, a number
// element or attribute that is not a finite number, an id given twice, a link to no id. Empty
// when the document is sound.
std::vector<std::string> UddfFaults(const std::string& document);

}  // namespace scrb::test
