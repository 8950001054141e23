#pragma once
// A text of the host's quoted in a message: on one line, its line breaks named, at most 80
// characters, so that the message box keeps its layout whatever the text holds.

#include <cstddef>
#include <cstring>

namespace klarvo::exporting {

struct ShownText {
    char text[80 + 64] = "";
    explicit ShownText(const char* from) {
        constexpr const char kBreak[] = "[koniec wiersza]";
        std::size_t used = 0, taken = 0;
        for (const char* at = from; *at && taken < 80 && used + sizeof kBreak < sizeof text; ++at, ++taken) {
            if (*at == '\r' && at[1] == '\n') ++at;
            if (*at == '\r' || *at == '\n') {
                std::memcpy(text + used, kBreak, sizeof kBreak - 1);
                used += sizeof kBreak - 1;
            } else {
                text[used++] = *at;
            }
        }
        text[used] = '\0';
    }
};

}  // namespace klarvo::exporting
