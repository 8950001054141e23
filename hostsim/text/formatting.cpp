#include "hostsim/text/formatting.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <vector>

namespace klarvo::sim {

std::string Format(const char* format, va_list arguments) {
    va_list measure;
    va_copy(measure, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length < 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, arguments);
    text.pop_back();
    return text;
}

}  // namespace klarvo::sim

namespace klarvo::sim {
namespace {

struct TabStop {
    bool endsField;  // "p": the field ends at the column; "l": it starts there
    std::size_t column;
};

std::vector<TabStop> TabStops(const std::string& directive) {
    std::vector<TabStop> stops;
    if (directive.empty() || directive[0] != 't') return stops;
    for (std::size_t at = 1; at < directive.size();) {
        const bool endsField = directive[at] == 'p';
        std::size_t next = at + 1;
        while (next < directive.size() && std::isdigit(static_cast<unsigned char>(directive[next]))) ++next;
        if (next > at + 1) stops.push_back({endsField, static_cast<std::size_t>(std::stoul(directive.substr(at + 1, next - at - 1)))});
        at = next;
    }
    return stops;
}

// Characters on screen: UTF-8 continuation bytes take no room.
std::size_t Width(const std::string& text) {
    std::size_t width = 0;
    for (const char c : text) width += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return width;
}

}  // namespace

std::string LaidOutMessage(const std::string& text) {
    std::string laidOut, line;
    std::vector<TabStop> stops;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        const std::size_t end = c == '\x01' ? text.find_first_of("\x01\n", at + 1) : std::string::npos;
        if (end != std::string::npos && text[end] == '\x01') {
            // A directive between two 0x01 on one line; a 0x01 alone is markup like the others.
            if (const auto parsed = TabStops(text.substr(at + 1, end - at - 1)); !parsed.empty()) stops = parsed;
            at = end;
        } else if (c >= '\x01' && c <= '\x05') {
        } else if (c == '\t') {
            const auto stop = std::find_if(stops.begin(), stops.end(), [&](const TabStop& s) { return s.column > Width(line); });
            std::size_t column = stop == stops.end() ? Width(line) + 1 : stop->column;
            if (stop != stops.end() && stop->endsField) {
                const std::size_t fieldEnd = text.find_first_of("\t\n", at + 1);
                const std::size_t fieldWidth = Width(text.substr(at + 1, fieldEnd - at - 1));
                column = std::max(Width(line) + 1, column > fieldWidth ? column - fieldWidth : 0);
            }
            line.append(column - Width(line), ' ');
        } else if (c == '\n') {
            laidOut += line + '\n';
            line.clear();
        } else {
            line += c;
        }
    }
    return laidOut + line;
}

}  // namespace klarvo::sim
