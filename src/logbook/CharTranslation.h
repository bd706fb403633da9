#pragma once

#include <string>
#include <string_view>

namespace scrb {

// The Windows-1252 code that a byte of a logbook text stands for: the letters of the DOS code
// page that the logging software wrote are moved to their Windows-1252 places, every other byte
// keeps its value.
int CharTranslation(unsigned char dosByte);

// A logbook text as UTF-8, one character per byte of the file.
std::string CleanText(std::string_view dosBytes);

// The UTF-8 text of one Windows-1252 code (0..255).
std::string_view Windows1252ToUtf8(int code);

}  // namespace scrb
