#pragma once
// Whole numbers written as printf's "%0Nd" writes them, without a format call: the export
// writes several of them for every document.

#include <cstdint>

namespace klarvo::exporting {

// Writes `value` in at least `width` characters, zeros between the sign and the digits; returns
// the end of what was written, which is not terminated.
inline char* WriteZeroPadded(char* out, std::int32_t value, int width) {
    std::uint32_t magnitude = value < 0 ? 0 - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
    int digits = 1;
    for (std::uint32_t power = 10; digits < 10 && magnitude >= power; power *= 10) ++digits;
    if (value < 0) {
        *out++ = '-';
        --width;
    }
    for (int zeros = width - digits; zeros > 0; --zeros) *out++ = '0';
    char* const end = out + digits;
    for (char* digit = end; digit != out; magnitude /= 10) *--digit = static_cast<char>('0' + magnitude % 10);
    return end;
}

// The same, terminated: `text` has room for the longer of 11 characters and `width`, and the NUL.
inline void FormatZeroPadded(char* text, std::int32_t value, int width) { *WriteZeroPadded(text, value, width) = '\0'; }

}  // namespace klarvo::exporting
