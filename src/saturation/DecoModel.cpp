#include "saturation/DecoModel.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

#include "charts/Palette.h"
#include "logbook/SampleAccess.h"
#include "logbook/Translation.h"

namespace scrb {

namespace {

struct TissueParameters {
  double HalfTimeMinutes;
  double CriticalCoefficient;  // as stored: the shown coefficient / 100
};

constexpr std::array<TissueParameters, 8> kBuhlmannTissues{{
    {5, 0.0272},
    {10, 0.0238},
    {20, 0.0204},
    {40, 0.0168},
    {80, 0.0156},
    {160, 0.0153},
    {320, 0.0146},
    {640, 0.014},
}};

// The 15-tissue model is the French Navy set with three slow tissues added, so one table serves
// both: the first 12 rows are model 1.
constexpr std::array<TissueParameters, 15> kFrenchNavyTissues{{
    {5, 0.0272},
    {7, 0.0254},
    {10, 0.0238},
    {15, 0.022},
    {20, 0.0204},
    {30, 0.0182},
    {40, 0.0168},
    {50, 0.0161},
    {60, 0.0158},
    {80, 0.0156},
    {100, 0.0155},
    {120, 0.0154},
    {160, 0.0153},
    {320, 0.0146},
    {640, 0.014},
}};

std::span<const TissueParameters> TissueTable(int number) {
  if (number == 1) return std::span(kFrenchNavyTissues).first(12);
  if (number == 2) return kFrenchNavyTissues;
  return kBuhlmannTissues;
}

}  // namespace

void LoadDecoModel(DecoModel& model, int number) {
  if (number == model.DecoModelNumber) return;

  const std::span<const TissueParameters> table = TissueTable(number);
  model.TissueCount = static_cast<int>(table.size());
  // One slot more than there are tissues, holding 0, as every reader of the tables expects.
  model.TissueDecay.assign(table.size() + 1, 0.0);
  model.CriticalCoefficient.assign(table.size() + 1, 0.0);
  for (size_t t = 0; t < table.size(); ++t) {
    // The half time is used as a time constant, e^(-dt/h) with no ln 2. The coefficients are
    // judged on this curve, so it must not be "corrected" into a halving law.
    model.TissueDecay[t] =
        std::exp((-static_cast<double>(kSampleSeconds) / table[t].HalfTimeMinutes) / 60.0);
    model.CriticalCoefficient[t] = table[t].CriticalCoefficient;
  }
  model.DecoModelNumber = number;
  const auto& colors = Palette::Classic().Tissues;
  model.TissueColor.assign(colors.begin(), colors.end());
}

std::string DecoModelCaption(int number) {
  switch (number) {
    case 0:
      return Tr("Models", "Bühlmann ZH-L8 ADT (8 tissues)");
    case 1:
      return Tr("Models", "FFESSM MN90 - French Navy (12 tissues)");
    case 2:
      return Tr("Models", "Quorvan's special (15 tissues, slow to calculate)");
    default:
      return {};
  }
}

double TissueHalfTime(const DecoModel& model, int tissue) {
  return (-1.0 / kSamplesPerMinute) / std::log(model.TissueDecay[static_cast<size_t>(tissue)]);
}

}  // namespace scrb
