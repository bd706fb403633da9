#pragma once

#include <string>
#include <vector>

namespace scrb::test {

// What xmllint finds wrong with a file against the UDDF 3.2.2 schema kept in the tree; empty when
// the file is valid.
std::string UddfSchemaErrors(const std::string& path);
// The same for many files at once, in one run of xmllint.
std::string UddfSchemaErrors(const std::vector<std::string>& paths);

// What xmllint finds wrong with files as XML alone (no schema); empty when all are well-formed.
std::string XmlErrors(const std::vector<std::string>& paths);

}  // namespace scrb::test
