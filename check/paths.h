#pragma once
// Paths as the user gives them and reads them back: UTF-8 on every target (on Windows the
// arguments arrive as UTF-16 and the console shows UTF-8), each place written with the
// system's own separator.

#include <filesystem>
#include <string>
#include <string_view>

namespace klarvo::check {

std::filesystem::path PathOf(std::string_view utf8);

// "..\kc\s\!Fs_pln.fkw" on Windows even when the user wrote "../kc/s".
std::string Shown(const std::filesystem::path& path);

}  // namespace klarvo::check
