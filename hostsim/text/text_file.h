#pragma once
// An output file in text mode, as the host opens them: every line end written goes out as CR LF,
// on both targets.

#include <cstdarg>
#include <cstdio>
#include <filesystem>

namespace klarvo::sim {

// Null when the file cannot be created. Closing it with fclose reports whether every byte
// reached the file.
std::FILE* OpenTextFile(const std::filesystem::path& path);

// A printf-style write. On Windows in one piece, formatted into memory and then written: the
// runtime's own fprintf hands the stream one character at a time, five times as slow. The
// characters written, or -1 when the stream did not take them all.
int WriteFormatted(std::FILE* stream, const char* format, va_list arguments);

}  // namespace klarvo::sim
