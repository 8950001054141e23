#pragma once
// printf formats put together at compile time, and the compile-time check that a call hands its
// format the arguments the format converts: the files go into the books, and a mismatch there
// would be undefined behaviour written into them.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>

namespace klarvo::teta {

// So many blanks, in a BuiltFormat.
struct Blanks {
    std::size_t count;
};

// A printf format put together at compile time; NUL-terminated.
struct BuiltFormat {
    char text[256]{};
    std::size_t size = 0;

    constexpr std::string_view view() const { return {text, size}; }

    constexpr BuiltFormat& operator<<(std::string_view part) {
        for (const char c : part) text[size++] = c;
        return *this;
    }
    constexpr BuiltFormat& operator<<(char c) {
        text[size++] = c;
        return *this;
    }
    constexpr BuiltFormat& operator<<(Blanks blanks) {
        for (std::size_t i = 0; i < blanks.count; ++i) text[size++] = ' ';
        return *this;
    }
    constexpr BuiltFormat& operator<<(std::size_t number) {
        char digits[20];
        std::size_t count = 0;
        do digits[count++] = static_cast<char>('0' + number % 10);
        while ((number /= 10) != 0);
        while (count > 0) text[size++] = digits[--count];
        return *this;
    }
};

// The conversion letter that takes an argument of this type: s a text, f a double, d an int.
template <class Argument>
constexpr char kConversionOf = std::is_same_v<Argument, const char*> || std::is_same_v<Argument, char*> ? 's'
                               : std::is_same_v<Argument, double>                                      ? 'f'
                               : std::is_same_v<Argument, std::int32_t>                                ? 'd'
                                                                                                       : '?';

// The conversion letters of a format in their order ("%-15s%9.2f%%" gives "sf"), at most 32.
struct Conversions {
    char letters[32]{};
    std::size_t count = 0;
};
constexpr Conversions ConversionsOf(std::string_view format) {
    Conversions found;
    for (std::size_t at = 0; at < format.size(); ++at) {
        if (format[at] != '%') continue;
        ++at;
        while (at < format.size() && std::string_view("-+ #0123456789.").find(format[at]) != std::string_view::npos) ++at;
        if (at < format.size() && format[at] != '%') found.letters[found.count++] = format[at];
    }
    return found;
}

// True when the arguments are, one for one, of the types that the format converts.
template <class... Arguments>
constexpr bool TakesArguments(std::string_view format) {
    const Conversions conversions = ConversionsOf(format);
    const char given[] = {kConversionOf<Arguments>..., '\0'};
    if (conversions.count != sizeof...(Arguments)) return false;
    for (std::size_t i = 0; i < conversions.count; ++i)
        if (conversions.letters[i] != given[i]) return false;
    return true;
}

// Hands print a format and its arguments, once they are seen at compile time to match; print is
// the writer's own printf.
template <const BuiltFormat& Format, class Print, class... Arguments>
auto PrintInFormat(Print&& print, Arguments... arguments) {
    static_assert(TakesArguments<Arguments...>(Format.view()), "the arguments are not those that the format converts");
    return print(Format.text, arguments...);
}

}  // namespace klarvo::teta
