// The dive report's page of every dive the reader keeps, at A4 and Letter under a model drawn
// from the input: everything stays on the printable area and no text lies over another.

#include <string>

#include "FuzzSupport.h"
#include "support/ReportPageCheck.h"

using namespace scrb;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::InputTail parameters = fuzz::Parameters(data, size);
  DecoModel model;
  LoadDecoModel(model, parameters.ConsumeIntegralInRange(0, kDecoModelChoices - 1));
  const ReportPageInfo info{parameters.ConsumeRandomLengthString(80),
                            parameters.ConsumeIntegral<int>(), parameters.ConsumeIntegral<int>(),
                            fuzz::Units(parameters)};
  for (const DiveRecord& dive : fuzz::ReadDives(data, size)) {
    for (const auto& [width, height] : {std::pair{210.0, 297.0}, std::pair{215.9, 279.4}}) {
      test::RecordingSurface page = test::PrintableArea(width, height);
      for (const std::string& fault :
           test::DrawAndCheckReportPage(dive, model, info, page).Faults) {
        std::fprintf(stderr, "%s\n", fault.c_str());
        fuzz::Check(false, "the report page is laid out cleanly");
      }
    }
  }
  return 0;
}
