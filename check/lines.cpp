#include "lines.h"

namespace klarvo::check {

std::vector<Line> SplitLines(std::string_view bytes, const std::string& file, Findings& findings) {
    std::vector<Line> lines;
    std::size_t at = 0;
    for (int number = 1; at < bytes.size(); ++number) {
        const std::size_t newline = bytes.find('\n', at);
        const std::size_t end = newline == std::string_view::npos ? bytes.size() : newline;
        std::string_view text = bytes.substr(at, end - at);
        if (newline == std::string_view::npos) {
            findings.Fault(FindingKind::Structure, file, number, "", "the last line has no line end");
        } else if (text.empty() || text.back() != '\r') {
            findings.Fault(FindingKind::Structure, file, number, "", "the line ends with LF alone, not CR LF");
        } else {
            text.remove_suffix(1);
        }
        if (text.find('\r') != std::string_view::npos)
            findings.Fault(FindingKind::Structure, file, number, "", "a CR inside the line");
        lines.push_back({number, text});
        at = end + 1;
    }
    return lines;
}

std::vector<std::string_view> SplitFields(std::string_view line, char separator) {
    std::vector<std::string_view> fields;
    for (std::size_t at = 0;;) {
        const std::size_t next = line.find(separator, at);
        if (next == std::string_view::npos) {
            fields.push_back(line.substr(at));
            return fields;
        }
        fields.push_back(line.substr(at, next - at));
        at = next + 1;
    }
}

}  // namespace klarvo::check
