#pragma once
// The simulated host's own process as the operating system sees it: a program it starts and
// waits for, and what it holds of the system (its memory and open handles).

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace klarvo::sim {

// The file of the program that runs this process.
std::filesystem::path OwnProgram();

// Starts the program with these arguments, its standard output and error written into the two
// files, and waits for it to end. Its exit code; throws std::runtime_error when it cannot start.
int RunProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
               const std::filesystem::path& output, const std::filesystem::path& errors);

struct ProcessFigures {
    std::uint64_t memory = 0;    // bytes: the private pages written to, on Windows the private bytes
    std::uint64_t resident = 0;  // bytes: the resident set, on Windows the working set
    std::uint64_t handles = 0;  // open descriptors, on Windows the handle count
};

ProcessFigures OwnFigures();

}  // namespace klarvo::sim
