#pragma once
// A Teta file read as a stream of lines: every line ends with CR LF, and the fields of a line
// are separated by one byte. Only one line is held at a time, and no line is longer than
// kLongestLine: a longer one (or a file that never ends a line) is a finding, not a reason to
// grow.

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "check/findings.h"

namespace klarvo::check {

inline constexpr std::size_t kLongestLine = 64 * 1024;

struct Line {
    std::int64_t number = 0;  // from 1
    std::string text;         // without its CR LF
};

class LineReader {
public:
    LineReader(std::istream& in, const std::string& file, Findings& findings) : in_(in), file_(file), findings_(findings) {}

    // The next line; false at the end of the file. A line end other than CR LF, a last line
    // without one, or a line too long is a finding; after a line too long (kept to its first
    // kLongestLine bytes) the file is not read further.
    bool Next(Line& line);

private:
    void Fault(const Message& rule, std::int64_t line);

    std::istream& in_;
    const std::string& file_;
    Findings& findings_;
    std::int64_t number_ = 0;
    bool stopped_ = false;
};

// The pieces of a line between its separators: a line of fields that each end with the
// separator has one empty piece after the last field.
std::vector<std::string_view> SplitFields(std::string_view line, char separator);

}  // namespace klarvo::check
