#include "check/lines.h"

namespace klarvo::check {

void LineReader::Fault(const Message& rule, std::int64_t line) {
    findings_.Fault(FindingKind::Structure, file_, line, rule);
}

bool LineReader::Next(Line& line) {
    line.text.clear();
    if (stopped_) return false;
    std::streambuf& bytes = *in_.rdbuf();
    bool ended = false;
    for (int c; (c = bytes.sbumpc()) != std::char_traits<char>::eof();) {
        if (c == '\n') {
            ended = true;
            break;
        }
        line.text.push_back(static_cast<char>(c));
        if (line.text.size() > kLongestLine) break;
    }
    if (!ended && line.text.empty()) return false;
    line.number = ++number_;
    if (line.text.size() > kLongestLine) {
        // A file that never ends its lines (or never ends at all) is not read further.
        stopped_ = true;
        line.text.resize(kLongestLine);
        Fault({Text::LongLine, {Counted(findings_.language(), kLongestLine, Noun::Byte)}}, line.number);
        return true;
    }
    if (!ended)
        Fault(Text::NoLastLineEnd, line.number);
    else if (line.text.empty() || line.text.back() != '\r')
        Fault(Text::BareLineFeed, line.number);
    else
        line.text.pop_back();
    if (line.text.find('\r') != std::string::npos) Fault(Text::CarriageReturnInside, line.number);
    return true;
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
