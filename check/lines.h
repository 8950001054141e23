#pragma once
// A Teta file as lines: every line ends with CR LF, and the fields of a line are separated by
// one byte.

#include <string>
#include <string_view>
#include <vector>

#include "findings.h"

namespace klarvo::check {

struct Line {
    int number;  // from 1
    std::string_view text;  // without its CR LF
};

// The lines of a file's bytes; a line end other than CR LF, or a last line without one, is a
// finding.
std::vector<Line> SplitLines(std::string_view bytes, const std::string& file, Findings& findings);

// The pieces of a line between its separators: a line of fields that each end with the
// separator has one empty piece after the last field.
std::vector<std::string_view> SplitFields(std::string_view line, char separator);

}  // namespace klarvo::check
