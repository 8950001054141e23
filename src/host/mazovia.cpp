#include "src/host/mazovia.h"

#include <cstdio>

namespace klarvo::mazovia {

bool IsValidUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const Decoded d = DecodeUtf8(text, at);
        if (d.character == kInvalid) return false;
        at += d.length;
    }
    return true;
}

std::string FromUtf8(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const Decoded d = DecodeUtf8(utf8, at);
        if (d.character == kInvalid) throw std::invalid_argument("the text is not valid UTF-8");
        const int byte = ByteOf(d.character);
        if (byte < 0) {
            char name[16];
            std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(d.character));
            throw std::invalid_argument(std::string("the text holds ") + name +
                                        ", a character that the Mazovia code page lacks");
        }
        bytes.push_back(static_cast<char>(byte));
        at += d.length;
    }
    return bytes;
}

std::string ToUtf8(std::string_view mazovia) {
    std::string utf8;
    utf8.reserve(mazovia.size());
    for (const char c : mazovia) {
        const char32_t ch = CharacterOf(static_cast<unsigned char>(c));
        if (ch < 0x80) {
            utf8.push_back(static_cast<char>(ch));
        } else if (ch < 0x800) {
            utf8.push_back(static_cast<char>(0xC0 | (ch >> 6)));
            utf8.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
        } else {
            utf8.push_back(static_cast<char>(0xE0 | (ch >> 12)));
            utf8.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
            utf8.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
        }
    }
    return utf8;
}

}  // namespace klarvo::mazovia
