#pragma once

#include <string>

namespace scrb::test {

// What xmllint finds wrong with a file against the UDDF 3.2.2 schema kept in the tree; empty when
// the file is valid.
std::string UddfSchemaErrors(const std::string& path);

}  // namespace scrb::test
