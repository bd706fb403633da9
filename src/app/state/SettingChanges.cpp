#include "app/state/SettingChanges.h"

#include <array>
#include <utility>

namespace scrb {

namespace {

// Units and language change how the same figures read; only the model, the repetitive option and
// a surface pressure change the figures themselves.
constexpr std::array<std::pair<SettingChange, ShownPart>, 6> kInvalidates{{
    {SettingChange::Units, ShownPart::Units},
    {SettingChange::Language, ShownPart::Texts},
    {SettingChange::Model, ShownPart::Figures},
    {SettingChange::Repetitive, ShownPart::Figures},
    {SettingChange::SurfacePressure, ShownPart::Figures},
    {SettingChange::Appearance, ShownPart::Colours},
}};

}  // namespace

ShownParts Invalidated(SettingChanges changes) {
  ShownParts parts;
  for (const auto& [change, part] : kInvalidates) {
    if (changes.testFlag(change)) parts |= part;
  }
  return parts;
}

}  // namespace scrb
