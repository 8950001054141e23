#pragma once
// The command lines of morvel, klarvo-check and klarvo_bench, read by CLI11: --help and
// --version end the program with exit code 0; a command line that cannot be read ends it with
// exit code 2, what is wrong, the nearest option or command ("did you mean") and the usage.

#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

namespace klarvo::cli {

inline constexpr int kUsageError = 2;

// How a program words what its command line makes it say, where CLI11's English will not do: what
// is wrong with a command line, and the question after it that names the nearest name.
struct Words {
    std::function<std::string(const CLI::ParseError& error)> error;
    std::function<std::string(const std::string& nearest)> didYouMean;
};

// Reads the arguments (without the program's name) into the app. Nothing when the program goes
// on; otherwise its exit code, with the help or the version already printed to `out`, or the
// error to `err`.
std::optional<int> Parse(CLI::App& app, const std::vector<std::string>& arguments, const Words& words = {},
                         std::ostream& out = std::cout, std::ostream& err = std::cerr);

// The known name nearest to `given`, when one is close enough to be a slip of the keyboard.
std::optional<std::string> Nearest(const std::string& given, const std::vector<std::string>& known);

}  // namespace klarvo::cli
