#include "logbook/CharTranslation.h"

#include <array>
#include <cstdint>

namespace scrb {
namespace {

struct DosLetter {
  int Index;
  int Code;
};

// DOS code page 437 letters and their Windows-1252 codes.
constexpr DosLetter kDosLetters[] = {
    {128, 199}, {129, 252}, {130, 233}, {131, 226}, {132, 228}, {133, 224}, {134, 229},
    {135, 231}, {136, 234}, {137, 235}, {138, 232}, {139, 239}, {140, 238}, {141, 236},
    {142, 196}, {143, 197}, {144, 201}, {145, 230}, {146, 198}, {147, 244}, {148, 246},
    {149, 242}, {150, 251}, {151, 249}, {152, 255}, {153, 214}, {154, 220}, {160, 225},
    {161, 237}, {162, 243}, {163, 250}, {164, 241}, {165, 209},
};

// Unicode of the Windows-1252 codes 0x80..0x9F; the five unassigned codes keep their C1 control
// code point, as Windows itself maps them.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::string EncodeUtf8(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

struct Tables {
  std::array<int, 256> Translation{};
  std::array<std::string, 256> Utf8;  // by Windows-1252 code
  std::array<std::string, 256> DosUtf8;  // by file byte, translation applied

  Tables() {
    for (int i = 0; i < 256; ++i) Translation[i] = i;
    for (const DosLetter& t : kDosLetters) Translation[t.Index] = t.Code;
    for (int code = 0; code < 256; ++code) {
      const char32_t unicode = code >= 0x80 && code < 0xA0 ? kHighControls[code - 0x80]
                                                           : static_cast<char32_t>(code);
      Utf8[code] = EncodeUtf8(unicode);
    }
    for (int b = 0; b < 256; ++b) DosUtf8[b] = Utf8[Translation[b]];
  }
};

const Tables& GetTables() {
  static const Tables tables;
  return tables;
}

}  // namespace

int CharTranslation(unsigned char dosByte) { return GetTables().Translation[dosByte]; }

std::string_view Windows1252ToUtf8(int code) {
  return GetTables().Utf8[static_cast<size_t>(code & 0xFF)];
}

std::string CleanText(std::string_view dosBytes) {
  const Tables& tables = GetTables();
  std::string text;
  text.reserve(dosBytes.size());
  for (const char c : dosBytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) text += c;
    else text += tables.DosUtf8[b];
  }
  return text;
}

}  // namespace scrb
