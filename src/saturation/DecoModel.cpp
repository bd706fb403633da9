#include "saturation/DecoModel.h"

namespace scrb {

void LoadDecoModel(DecoModel& model, int number) { model.DecoModelNumber = number; }

}  // namespace scrb
