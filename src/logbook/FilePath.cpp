#include "logbook/FilePath.h"

namespace scrb {

std::filesystem::path PathFromUtf8(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::string FileNameOf(const std::string& utf8Path) {
  return Utf8FromPath(PathFromUtf8(utf8Path).filename());
}

FileHandle OpenForReading(const std::string& utf8Path) {
#ifdef _WIN32
  // fopen takes ANSI names on Windows; the wide call takes every name.
  return FileHandle(_wfopen(PathFromUtf8(utf8Path).c_str(), L"rb"), std::fclose);
#else
  return FileHandle(std::fopen(utf8Path.c_str(), "rb"), std::fclose);
#endif
}

}  // namespace scrb
