#pragma once
// The header line of a Teta file, read before its records: which of the two files the file is,
// told once. An empty file, the other Teta file (the two swapped) or any other file is one finding
// and is not read further; a damaged header line before records of the right kind is a finding,
// and the records are read on.

#include <optional>
#include <string>

#include "check/findings.h"
#include "check/lines.h"

namespace klarvo::check {

enum class TetaFile { SalesRegister, CustomerAccounts };

struct FileHeader {
    bool readOn = false;                // the records follow
    bool foreign = false;               // another file than the one it stands for
    std::optional<Line> header;         // the header line, when it is the right one
    std::optional<Line> firstRecord;    // the first record, read in place of a damaged header line
};

FileHeader ReadFileHeader(LineReader& lines, TetaFile expected, const std::string& file, Findings& findings);

// Which Teta file a file is, by its first line: nothing when it is neither.
std::optional<TetaFile> TetaFileOf(std::string_view firstLine);

}  // namespace klarvo::check
