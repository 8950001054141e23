#pragma once
// An output file in text mode, as the host opens them: every line end written goes out as CR LF,
// on both targets.

#include <cstdio>
#include <filesystem>

namespace klarvo::sim {

// Null when the file cannot be created. Closing it with fclose reports whether every byte
// reached the file.
std::FILE* OpenTextFile(const std::filesystem::path& path);

}  // namespace klarvo::sim
