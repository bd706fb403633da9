#include "render/ProgramStart.h"

#include <QByteArray>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, whose definitions it uses.
#include <shellapi.h>
#endif

namespace scrb {

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
#ifdef _WIN32
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide != nullptr) {
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) {
      const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
      std::string text(size > 0 ? size - 1 : 0, '\0');
      if (size > 1)
        WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, text.data(), size, nullptr, nullptr);
      arguments.push_back(std::move(text));
    }
    LocalFree(wide);
    return arguments;
  }
#endif
  return std::vector<std::string>(argv + 1, argv + argc);
}

void WriteStandardStreamsAsBytes() {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  SetConsoleOutputCP(CP_UTF8);
#endif
}

void WriteAnswer(const QString& text, std::FILE* stream) {
#ifdef _WIN32
  const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  if ((output == nullptr || output == INVALID_HANDLE_VALUE) &&
      AttachConsole(ATTACH_PARENT_PROCESS)) {
    stream = std::freopen("CONOUT$", "w", stream);
    if (stream == nullptr) return;
  }
  WriteStandardStreamsAsBytes();
  const QByteArray bytes = text.toUtf8();
#else
  const QByteArray bytes = text.toLocal8Bit();
#endif
  std::fputs(bytes.constData(), stream);
}

}  // namespace scrb
