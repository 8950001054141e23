#pragma once
// Documents numbered as one running number in a fixed pattern (FV/N/2024): the numbers missing
// between the first and the last of a series in the register, as ranges. Documents of other
// periods and cancelled invoices leave real gaps, so a gap is a note, not a finding.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace klarvo::check {

struct SeriesGaps {
    std::string first, last;            // numbers of the series' first and last document
    // The first kShownRanges ranges of missing numbers, from and to ("FV/5/2024", "FV/7/2024"; a
    // single number as both).
    std::vector<std::pair<std::string, std::string>> missing;
    std::int64_t rangeCount = 0;        // of all missing ranges
};

class NumberSeries {
public:
    static constexpr std::size_t kShownRanges = 10;

    // A document number (Mazovia); one without a digit belongs to no series.
    void Add(std::string_view number);
    // The series with a gap, in the order of their patterns.
    std::vector<SeriesGaps> Gaps() const;

private:
    // The pattern around the running number: what stands before it, its width when it is written
    // with leading zeros (0 when not), and what stands after it.
    struct Pattern {
        std::string before, after;
        std::size_t width;
        auto operator<=>(const Pattern&) const = default;
    };

    std::map<Pattern, std::vector<std::uint64_t>> series_;
};

}  // namespace klarvo::check
