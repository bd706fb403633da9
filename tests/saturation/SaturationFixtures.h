#pragma once

#include <vector>

#include "charts/ChartTestDives.h"
#include "saturation/DecoModel.h"

namespace scrb::test {

inline SampledDive DiveWithDepths(const std::vector<double>& depths, double surfacePressure = 1.0) {
  SampledDive dive = DiveWithSamples(depths);
  dive.SurfacePressure = surfacePressure;
  return dive;
}

inline DecoModel Model(int number) {
  DecoModel model;
  LoadDecoModel(model, number);
  return model;
}

}  // namespace scrb::test
