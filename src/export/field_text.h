#pragma once
// A text on its way into one field of a record line of an import file. Whatever the host's
// texts hold, the field never carries the line's separator or a line break, so that the record
// stays one line with all of its fields where the importer looks for them.

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace klarvo::exporting {

// A character as a field keeps it: the separator as `replacement`, a line break as a blank.
inline char KeptInField(char c, char separator, char replacement) {
    return c == separator ? replacement : (c == '\n' || c == '\r') ? ' ' : c;
}

template <std::size_t Length>
struct FieldText {
    char text[Length + 1];

    // Copies at most Length characters.
    explicit FieldText(std::string_view from) {
        const std::size_t length = std::min(from.size(), Length);
        if (length > 0) std::memcpy(text, from.data(), length);
        text[length] = '\0';
    }

    // The separator becomes `replacement`, a line break a blank. Done last, once the host has
    // tidied the text, so that nothing brings a separator back. True when anything was replaced.
    bool KeepOff(char separator, char replacement) {
        bool replaced = false;
        for (char* c = text; *c; ++c) {
            const char kept = KeptInField(*c, separator, replacement);
            replaced |= kept != *c;
            *c = kept;
        }
        return replaced;
    }

    // The blanks go, the rest closes up.
    void DropBlanks() { *std::remove(text, text + std::strlen(text), ' ') = '\0'; }

    std::size_t Size() const { return std::strlen(text); }
};

}  // namespace klarvo::exporting
