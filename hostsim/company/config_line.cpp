#include "hostsim/company/config_line.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <vector>

namespace klarvo::sim {
namespace {

std::optional<std::vector<std::string_view>> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t at = 0;
    for (;;) {
        if (at < line.size() && line[at] == '"') {
            std::size_t close = at;
            do {
                close = line.find('"', close + 1);
                if (close == std::string_view::npos) return std::nullopt;
            } while (close + 1 < line.size() && line[close + 1] != ',');
            fields.push_back(line.substr(at + 1, close - at - 1));
            at = close + 1;
        } else {
            const std::size_t end = std::min(line.find(',', at), line.size());
            fields.push_back(line.substr(at, end - at));
            at = end;
        }
        if (at == line.size()) return fields;
        ++at;  // the comma
    }
}

struct Directive {
    bool number;
    std::size_t width;  // texts only
};

std::optional<std::vector<Directive>> ParseDirectives(std::string_view format) {
    std::vector<Directive> directives;
    for (;;) {
        const std::size_t end = std::min(format.find(','), format.size());
        const std::string_view directive = format.substr(0, end);
        if (directive == "%d") {
            directives.push_back({true, 0});
        } else {
            std::size_t width = 0;
            const char* digits = directive.data() + 1;
            const char* last = directive.data() + directive.size() - 1;
            const auto [stop, error] = std::from_chars(digits, last, width);
            if (directive.size() < 3 || directive.front() != '%' || directive.back() != 's' || stop != last ||
                error != std::errc{} || width == 0)
                return std::nullopt;
            directives.push_back({false, width});
        }
        if (end == format.size()) return directives;
        format.remove_prefix(end + 1);
    }
}

std::optional<int> Number(std::string_view field) {
    if (!field.empty() && field.front() == '+') field.remove_prefix(1);
    int value = 0;
    const auto [stop, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (field.empty() || error != std::errc{} || stop != field.data() + field.size()) return std::nullopt;
    return value;
}

// "%N[^\n]": the whole line, at most N characters of it; nothing when it is empty.
std::optional<std::size_t> WholeLineWidth(std::string_view format) {
    constexpr std::string_view kEnd = "[^\n]";
    if (!format.starts_with('%') || !format.ends_with(kEnd)) return std::nullopt;
    const std::string_view digits = format.substr(1, format.size() - 1 - kEnd.size());
    std::size_t width = 0;
    const auto [stop, error] = std::from_chars(digits.data(), digits.data() + digits.size(), width);
    if (digits.empty() || error != std::errc{} || stop != digits.data() + digits.size() || width == 0)
        return std::nullopt;
    return width;
}

}  // namespace

ScanResult ScanConfigurationLine(std::string_view line, std::string_view format, va_list targets) {
    if (const auto width = WholeLineWidth(format)) {
        if (line.empty()) return ScanResult::Mismatch;
        const std::string_view text = line.substr(0, *width);
        char* target = va_arg(targets, char*);
        std::copy(text.begin(), text.end(), target);
        target[text.size()] = '\0';
        return ScanResult::Read;
    }
    const auto directives = ParseDirectives(format);
    if (!directives) return ScanResult::UnknownFormat;
    const auto fields = SplitFields(line);
    if (!fields || fields->size() != directives->size()) return ScanResult::Mismatch;
    std::vector<int> numbers;
    for (std::size_t i = 0; i < fields->size(); ++i) {
        if (!(*directives)[i].number) continue;
        const auto number = Number((*fields)[i]);
        if (!number) return ScanResult::Mismatch;
        numbers.push_back(*number);
    }
    auto number = numbers.begin();
    for (std::size_t i = 0; i < fields->size(); ++i) {
        const Directive& directive = (*directives)[i];
        if (directive.number) {
            *va_arg(targets, int*) = *number++;
            continue;
        }
        const std::string_view text = (*fields)[i].substr(0, directive.width);
        char* target = va_arg(targets, char*);
        std::copy(text.begin(), text.end(), target);
        target[text.size()] = '\0';
    }
    return ScanResult::Read;
}

}  // namespace klarvo::sim
