#pragma once
// How the host reads a stored configuration line back through a scanf-style format.

#include <cstdarg>
#include <string_view>

namespace klarvo::sim {

enum class ScanResult {
    Read,           // every target filled
    Mismatch,       // the line does not match the format; no target touched
    UnknownFormat,  // the format holds a directive the host does not read
};

// The format is "%N[^\n]" (the whole line, at most N characters, into a text target of N + 1
// bytes; an empty line does not match), or a list of directives separated by commas: "%d" (an
// int target) or "%Ns" (a text target of N + 1 bytes). The line is a list of fields separated by commas; a field that starts
// with a double quote ends at the next double quote followed by a comma or the end of the line,
// and loses its quotes. "%Ns" takes at most N characters of its field.
ScanResult ScanConfigurationLine(std::string_view line, std::string_view format, va_list targets);

}  // namespace klarvo::sim
