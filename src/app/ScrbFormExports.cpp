#include "app/ScrbForm.h"

namespace scrb {

void ScrbForm::CopyAllDives() {}
void ScrbForm::CopyDiveProfile() {}

}  // namespace scrb
