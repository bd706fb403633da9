#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace scrb {

// A typed surface pressure must be above this to be taken, so that no ambient pressure can come
// near 0.
constexpr double kMinSurfacePressure = 0.1;

// A surface pressure as typed: digits with at most one point or comma before the decimals,
// blanks around them allowed. Nothing for any other text. The comma is there for divers whose
// desktop writes decimals with one.
std::optional<double> TypedSurfacePressure(std::string_view text);

// Whether typing can still make a pressure of the text: it holds only blanks, digits and at most
// one point or comma. The box refuses keystrokes that would leave this.
bool CouldBecomeSurfacePressure(std::string_view text);

// Why a typed surface pressure cannot be taken, or nothing when it can.
std::optional<std::string> SurfacePressureProblem(std::string_view text);

// The surface pressure as the model window shows it: two blanks, then three decimals.
std::string SurfacePressureText(double pressure);

// The typed surface pressure when SurfacePressureProblem accepts the text, else nothing.
std::optional<double> AcceptedSurfacePressure(std::string_view text);

}  // namespace scrb
