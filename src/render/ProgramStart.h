#pragma once

#include <QString>
#include <cstdio>
#include <string>
#include <vector>

namespace scrb {

// What both programs do first, where the systems differ; the rest of the program sees the same
// bytes and texts on every system.

// The command-line arguments after the program's name, in UTF-8 as the program holds paths and
// texts. On Windows argv is in the ANSI code page, which cannot hold every file name; the wide
// command line can.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Standard output and error take the program's bytes as they are. Windows' text mode would turn
// every "\n" into "\r\n", and the exports' own "\r\n" into "\r\r\n"; a Windows console is set to
// show UTF-8.
void WriteStandardStreamsAsBytes();

// The windowed program's answer to --help, --version or a bad command line. A Windows program
// without a console of its own answers in the console it was started from unless its output goes
// to a file or a pipe, in UTF-8; elsewhere the text is in the system's encoding.
void WriteAnswer(const QString& text, std::FILE* stream);

}  // namespace scrb
