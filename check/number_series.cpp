#include "check/number_series.h"

#include <algorithm>

namespace klarvo::check {
namespace {

constexpr std::size_t kLongestNumber = 18;  // digits that surely fit 64 bits

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

void NumberSeries::Add(std::string_view number) {
    const auto digit = std::find_if(number.begin(), number.end(), IsDigit);
    if (digit == number.end()) return;
    const auto end = std::find_if_not(digit, number.end(), IsDigit);
    const std::string_view digits(&*digit, static_cast<std::size_t>(end - digit));
    if (digits.size() > kLongestNumber) return;
    std::uint64_t running = 0;
    for (const char c : digits) running = running * 10 + static_cast<std::uint64_t>(c - '0');
    const std::size_t width = digits.size() > 1 && digits.front() == '0' ? digits.size() : 0;
    series_[Pattern{std::string(number.begin(), digit), std::string(end, number.end()), width}].push_back(running);
}

std::vector<SeriesGaps> NumberSeries::Gaps() const {
    std::vector<SeriesGaps> gaps;
    for (const auto& [key, numbers] : series_) {
        const Pattern& pattern = key;
        std::vector<std::uint64_t> sorted = numbers;
        std::sort(sorted.begin(), sorted.end());
        sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
        const auto named = [&pattern](std::uint64_t running) {
            std::string digits = std::to_string(running);
            if (digits.size() < pattern.width) digits.insert(0, pattern.width - digits.size(), '0');
            return pattern.before + digits + pattern.after;
        };
        SeriesGaps series{named(sorted.front()), named(sorted.back()), {}, 0};
        for (std::size_t i = 1; i < sorted.size(); ++i) {
            const std::uint64_t from = sorted[i - 1] + 1, to = sorted[i] - 1;
            if (from > to) continue;
            if (++series.rangeCount <= static_cast<std::int64_t>(kShownRanges))
                series.missing.emplace_back(named(from), named(to));
        }
        if (series.rangeCount > 0) gaps.push_back(std::move(series));
    }
    return gaps;
}

}  // namespace klarvo::check
