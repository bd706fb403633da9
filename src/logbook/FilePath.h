#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace scrb {

// Paths travel through the program as UTF-8 text, as Qt hands them over. The system's own narrow
// paths are UTF-8 on Linux but the ANSI code page on Windows, so every path goes to the file
// system through these, and a logbook in "Tauchgänge" opens on both.
std::filesystem::path PathFromUtf8(const std::string& utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

// The last part of a path ("b.log" of "C:\a\b.log" or "/a/b.log"), as UTF-8.
std::string FileNameOf(const std::string& utf8Path);

using FileHandle = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// Opens a file for reading its bytes; empty with errno set when it cannot be opened.
FileHandle OpenForReading(const std::string& utf8Path);

}  // namespace scrb
