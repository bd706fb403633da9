#pragma once

#include <string>
#include <vector>

#include "charts/Rgb.h"

namespace scrb {

// The loaded decompression model. It is a value handed to whoever needs it, so that a chart can
// never be drawn under one model with results computed under another without the caller seeing it.
struct DecoModel {
  int DecoModelNumber = -1;  // -1: no model loaded
  int TissueCount = 0;
  std::vector<double> TissueDecay;          // per 20-second step
  std::vector<double> CriticalCoefficient;  // critical coefficient / 100
  std::vector<Rgb> TissueColor;
};

// Loads model 0, 1 or 2 (any other number loads the 8-tissue model and is kept as the number);
// a number already loaded rebuilds nothing; -1 leaves no tissue.
void LoadDecoModel(DecoModel& model, int number);

// The models a user can choose, numbered 0 to kDecoModelChoices - 1.
constexpr int kDecoModelChoices = 3;

// The name of a model as its option button shows it (UTF-8); empty outside 0..2.
std::string DecoModelCaption(int number);

// The half time in minutes that a tissue's decay factor stands for.
double TissueHalfTime(const DecoModel& model, int tissue);

}  // namespace scrb
