#pragma once
// A random day in the host, written as the lines of a day's script.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace klarvo::sim {

// `count` actions on the company, the same for the same seed: exports of other periods, cancelled
// forms, scheme edits (their scheme files written into `folder`), changes to customers, documents
// and settings, about a third of the actions with a failure of the host or its disk, withdraws,
// refusals and reloads.
std::vector<std::string> RandomDay(std::size_t count, std::uint64_t seed, const std::filesystem::path& company,
                                   const std::filesystem::path& folder);

}  // namespace klarvo::sim
