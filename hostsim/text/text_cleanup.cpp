#include "hostsim/text/text_cleanup.h"

#include <cstring>

namespace klarvo::sim {

void CleanName(char* text) {
    char* out = text;
    for (const char* in = text; *in; ++in)
        if (*in != ' ' || (out != text && out[-1] != ' ')) *out++ = *in;
    if (out != text && out[-1] == ' ') --out;
    *out = '\0';
}

void CleanAddressPart(char* text) {
    const std::size_t start = std::strspn(text, " ,");
    std::size_t end = std::strlen(text);
    while (end > start && (text[end - 1] == ' ' || text[end - 1] == ',')) --end;
    std::memmove(text, text + start, end - start);
    text[end - start] = '\0';
}

}  // namespace klarvo::sim
