// The file exports of every logbook the reader keeps from the input. UDDF: the document parses
// again, every number in it is finite, every id is unique and every link finds its id. Subsurface
// XML: the document parses again, every measurement is a finite number with its unit, every time
// and date is spelt as that format wants, every site id is unique and found, and no profile goes
// back in time.

#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "support/SubsurfaceCheck.h"
#include "support/UddfCheck.h"

using namespace scrb;

namespace {

void CheckSound(const std::string& document, const std::vector<std::string>& faults,
                const char* what) {
  fuzz::Check(!document.empty(), what);
  for (const std::string& fault : faults) {
    std::fprintf(stderr, "%s: %s\n", what, fault.c_str());
    fuzz::Check(false, "the export is sound");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Logbook book;
  book.Dives = fuzz::ReadDives(data, size);
  const std::string uddf = test::ExportUddf(book);
  CheckSound(uddf, test::UddfFaults(uddf), "the UDDF export is written");
  const std::string subsurface = test::ExportSubsurface(book);
  CheckSound(subsurface, test::SubsurfaceFaults(subsurface), "the Subsurface export is written");
  return 0;
}
