// The General page, details, raw dump, the two clipboard exports and the number texts over every
// dive the reader keeps, before and after decoding.

#include <array>

#include "FuzzSupport.h"
#include "export/ExportTexts.h"
#include "logbook/ProfileDecoder.h"
#include "report/DateFormat.h"
#include "report/FieldDecoders.h"
#include "report/NumberFormat.h"
#include "report/ReportTexts.h"
#include "saturation/DecoModel.h"

using namespace scrb;
using scrb::fuzz::Check;

namespace {

void CheckNumberTexts(fuzz::InputTail& parameters) {
  static constexpr std::array<const char*, 8> kPatterns = {"0", "00", "0000", "0.0", "00.0", "0.00", "#", "0.000"};
  for (int i = 0; i < 4 && parameters.remaining_bytes() > 0; ++i) {
    // Beyond 1e300 the digits of a double round up past the largest one; no value the program
    // shows comes near that.
    const double value = parameters.ConsumeBool()
                             ? parameters.ConsumeFloatingPointInRange(-1e300, 1e300)
                             : parameters.ConsumeFloatingPointInRange(-1e6, 1e6);
    Check(!GeneralNumber(value).empty(), "general number");
    Check(!GeneralNumberSingle(static_cast<float>(value)).empty(), "general number single");
    // "#" asks for no digits at all, so 0 may print as nothing.
    FormatPattern(value,
                  kPatterns[parameters.ConsumeIntegralInRange<size_t>(0, kPatterns.size() - 1)]);
    const int32_t code = parameters.ConsumeIntegral<int32_t>();
    AltitudeText(code);
    WeatherText(code);
    SuitText(code);
    AlarmText(code);
    DiveTypeText(code);
    ActivityText(code);
    SampleFlagsText(code);
    SampleStatusText(code);
    SampleTimeText(code);
    BitsText(parameters.ConsumeIntegral<int64_t>(), parameters.ConsumeIntegralInRange(0, 64));
  }
  LongDateText(parameters.ConsumeRandomLengthString(16));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::InputTail parameters = fuzz::Parameters(data, size);
  Logbook book;
  book.Dives = fuzz::ReadDives(data, size);
  AllDivesText(book);
  DecoModel model;
  LoadDecoModel(model, parameters.ConsumeIntegralInRange(0, kDecoModelChoices - 1));
  for (const DiveRecord& dive : book.Dives) {
    const DiveSummary summary = SummaryTexts(dive, fuzz::Units(parameters));
    Check(!summary.Lines.empty(), "summary lines");
    LongDateText(dive.DiveDate);
    DetailsText(dive);
    const AnalysedDive analysed = AnalyseDive(dive, model, dive.SurfacePressure);
    RawDumpText(dive, *analysed.Profile);
    DetailsText(dive);
    DiveProfileText(analysed, model);
    for (size_t offset = 0; offset < dive.ProfileData.size() && offset < 40; offset += 2) {
      BytePairRow(dive.ProfileData, offset);
    }
  }
  CheckNumberTexts(parameters);
  return 0;
}
