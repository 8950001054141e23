#pragma once
// The two files of an export kept in a folder (an archived export, or one named with --history):
// under the names Teta imports, or, as an earlier version archived files checked under names of
// their own, the one sales register and the one customer accounts file among the folder's files,
// told apart by their header lines.

#include <filesystem>

namespace klarvo::check {

struct ExportFiles {
    std::filesystem::path salesRegister, accounts;
};

// Throws CheckFailure naming the folder and what it lacks. An export that need not be whole may
// lack its accounts file (accounts empty then).
ExportFiles FilesOfExport(const std::filesystem::path& folder, bool whole = true);

}  // namespace klarvo::check
