#pragma once
// The command lines of morvel, klarvo-check and klarvo_bench, read by CLI11: --help and
// --version end the program with exit code 0; a command line that cannot be read ends it with
// exit code 2, what is wrong, the nearest option or command ("did you mean") and the usage.

#include <optional>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

namespace klarvo::cli {

inline constexpr int kUsageError = 2;

// Reads the arguments (without the program's name) into the app. Nothing when the program goes
// on; otherwise its exit code, with the help, the version or the error already printed.
std::optional<int> Parse(CLI::App& app, const std::vector<std::string>& arguments);

// The known name nearest to `given`, when one is close enough to be a slip of the keyboard.
std::optional<std::string> Nearest(const std::string& given, const std::vector<std::string>& known);

}  // namespace klarvo::cli
