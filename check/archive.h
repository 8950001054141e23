#pragma once
// The archive of imports: a folder that holds one folder per imported export, each with the
// export's two files, read-only and never changed. A new export is checked against all of them
// and, when it is sound and repeats nothing, added as a folder of its own.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "check/export_folder.h"
#include "check/findings.h"

namespace klarvo::check {

// The archived exports, in the order of their names. A folder among them that is not a sound
// export stops the check (CheckFailure naming it and how to mend it): the archive must be whole
// before it can tell what was imported. Anything else in the archive, and a copy left
// unfinished, is a note.
std::vector<ExportFiles> ArchivedExports(const std::filesystem::path& archive, Findings& findings);

using CopyFile = std::function<void(const std::filesystem::path& from, const std::filesystem::path& to)>;

// Copies both files, under the names Teta imports, into a new folder of the archive named `name`
// (with "_2", "_3", ... when that is taken) and returns it. The archive is made when missing. The
// copy is written under a temporary name and renamed when whole, so that a copy that fails leaves
// nothing behind; nothing that stands in the archive is overwritten. Throws CheckFailure saying
// what failed in the language.
std::filesystem::path ArchiveExport(const std::filesystem::path& archive, const std::string& name,
                                    const ExportFiles& files, Language language, const CopyFile& copy = {});

}  // namespace klarvo::check
