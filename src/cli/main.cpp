#include <iostream>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "render/SaveFile.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>
#endif

namespace {

// The arguments as UTF-8, which is how the program holds paths and texts.
std::vector<std::string> Arguments(int argc, char** argv) {
#ifdef _WIN32
  // argv is in the ANSI code page, which cannot hold every file name: the wide command line can.
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide != nullptr) {
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) {
      const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
      std::string text(size > 0 ? size - 1 : 0, '\0');
      if (size > 1) WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, text.data(), size, nullptr, nullptr);
      arguments.push_back(std::move(text));
    }
    LocalFree(wide);
    return arguments;
  }
#endif
  return std::vector<std::string>(argv + 1, argv + argc);
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  // Text mode would turn every "\n" into "\r\n", and the exports' own "\r\n" into "\r\r\n": the
  // bytes written are the program's, as on every other system.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  // A console shows the UTF-8 texts as such.
  SetConsoleOutputCP(CP_UTF8);
#endif
  std::ios::sync_with_stdio(false);
  scrb::IgnoreFileSizeSignal();
  const int status = scrb::cli::RunCli(Arguments(argc, argv), std::cout, std::cerr);
  std::cout.flush();
  return status;
}
