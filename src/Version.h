#pragma once

namespace scrb {

// The project's one version number, set in the top-level CMakeLists.txt ("1.0.0").
extern const char* const kVersion;

}  // namespace scrb
