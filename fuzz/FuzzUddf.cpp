// The UDDF export of every logbook the reader keeps from the input: the document parses again,
// every number in it is finite, every id is unique and every link finds its id.

#include <string>

#include "FuzzSupport.h"
#include "support/UddfCheck.h"

using namespace scrb;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Logbook book;
  book.Dives = fuzz::ReadDives(data, size);
  const std::string document = test::ExportUddf(book);
  fuzz::Check(!document.empty(), "the export is written");
  for (const std::string& fault : test::UddfFaults(document)) {
    std::fprintf(stderr, "%s\n", fault.c_str());
    fuzz::Check(false, "the export is sound");
  }
  return 0;
}
