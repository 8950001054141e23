#pragma once
// The host's character set: Mazovia, the Polish DOS code page. Texts are written in the sources
// as UTF-8 literals with the _mz suffix and become Mazovia bytes at compile time; a character
// that Mazovia cannot hold stops the build.

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace klarvo::mazovia {

// Unicode character of each byte from 0x80 to 0xFF; bytes below 0x80 are ASCII.
inline constexpr std::array<char32_t, 128> kUpperHalf = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x0105, 0x00E7,  // 0x80
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x0107, 0x00C4, 0x0104,  // 0x88
    0x0118, 0x0119, 0x0142, 0x00F4, 0x00F6, 0x0106, 0x00FB, 0x00F9,  // 0x90
    0x015A, 0x00D6, 0x00DC, 0x00A2, 0x0141, 0x00A5, 0x015B, 0x0192,  // 0x98
    0x0179, 0x017B, 0x00F3, 0x00D3, 0x0144, 0x0143, 0x017A, 0x017C,  // 0xA0
    0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,  // 0xA8
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556,  // 0xB0
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,  // 0xB8
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,  // 0xC0
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,  // 0xC8
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B,  // 0xD0
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,  // 0xD8
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,  // 0xE0
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229,  // 0xE8
    0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,  // 0xF0
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,  // 0xF8
};

inline constexpr char32_t kInvalid = 0xFFFFFFFF;

constexpr char32_t CharacterOf(unsigned char byte) {
    return byte < 0x80 ? char32_t{byte} : kUpperHalf[byte - 0x80];
}

// The Mazovia byte of a character, or -1 when the code page has none.
constexpr int ByteOf(char32_t character) {
    if (character < 0x80) return static_cast<int>(character);
    for (std::size_t i = 0; i < kUpperHalf.size(); ++i)
        if (kUpperHalf[i] == character) return static_cast<int>(0x80 + i);
    return -1;
}

struct Decoded {
    char32_t character;  // kInvalid for a malformed sequence
    std::size_t length;
};

// Strict: an overlong form (C0 80 for NUL), a surrogate or a character beyond U+10FFFF is
// malformed.
constexpr Decoded DecodeUtf8(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3
                             : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || at + length > text.size()) return {kInvalid, 1};
    char32_t character = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) return {kInvalid, 1};
        character = (character << 6) | (next & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (character < kSmallest[length] || (character >= 0xD800 && character <= 0xDFFF) || character > 0x10FFFF)
        return {kInvalid, 1};
    return {character, length};
}

// Runtime conversions, for the edges where texts enter or leave the host's world.
bool IsValidUtf8(std::string_view text);
// Throws std::invalid_argument for malformed UTF-8, or naming the first character (U+XXXX) that
// has no Mazovia byte.
std::string FromUtf8(std::string_view utf8);
std::string ToUtf8(std::string_view mazovia);

template <std::size_t N>
struct Utf8Literal {
    char text[N]{};
    consteval Utf8Literal(const char (&literal)[N]) {
        for (std::size_t i = 0; i < N; ++i) text[i] = literal[i];
    }
    constexpr std::string_view view() const { return {text, N - 1}; }
};

template <Utf8Literal S>
consteval std::size_t EncodedLength() {
    std::size_t length = 0;
    for (std::size_t at = 0; at < S.view().size(); at += DecodeUtf8(S.view(), at).length) ++length;
    return length;
}

template <Utf8Literal S>
consteval auto Encode() {
    std::array<char, EncodedLength<S>() + 1> bytes{};
    std::size_t out = 0;
    for (std::size_t at = 0; at < S.view().size();) {
        const Decoded d = DecodeUtf8(S.view(), at);
        const int byte = d.character == kInvalid ? -1 : ByteOf(d.character);
        if (byte < 0) throw "this character has no byte in the Mazovia code page";
        bytes[out++] = static_cast<char>(byte);
        at += d.length;
    }
    return bytes;
}

template <Utf8Literal S>
inline constexpr auto kEncoded = Encode<S>();

}  // namespace klarvo::mazovia

// "Błąd"_mz is the NUL-terminated Mazovia text of the literal.
template <klarvo::mazovia::Utf8Literal S>
constexpr const char* operator""_mz() {
    return klarvo::mazovia::kEncoded<S>.data();
}
