#include "secondhost/host_runtime.h"

extern "C" {
// A program that uses floating point says so to the runtime; its static part would define this.
int _fltused = 0;
// The type descriptors of thrown types point at type_info's virtual table, which a program of this
// compiler takes from the static part of its runtime: one of our own stands in, its entries never
// called (no typeid is asked for).
extern const void* const morvel_type_info_table[2];
const void* const morvel_type_info_table[2] = {nullptr, nullptr};
}
#pragma comment(linker, "/alternatename:??_7type_info@@6B@=_morvel_type_info_table")

void* operator new(size_t size) {
    if (void* block = malloc(size ? size : 1)) return block;
    // The host cannot go on without memory; as the runtime's own operator new would, it ends here.
    exit(3);
}
void operator delete(void* block) noexcept { free(block); }
void operator delete(void* block, size_t) noexcept { free(block); }

namespace morvel {
namespace {

// The options of the runtime's formatting that its headers pass by default; snprintf's own keeps
// to the standard about the end of a cut text.
constexpr uint64_t kPrintOptions = 0;
constexpr uint64_t kStandardSnprintf = 1u << 1;
constexpr uint64_t kScanOptions = 0;

}  // namespace

int FormatInto(char* buffer, size_t size, const char* format, va_list arguments) {
    return __stdio_common_vsprintf(kPrintOptions | kStandardSnprintf, buffer, size, format, nullptr, arguments);
}

int FormatInto(char* buffer, size_t size, const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    const int written = FormatInto(buffer, size, format, arguments);
    va_end(arguments);
    return written;
}

int ReadFormatted(const char* text, const char* format, va_list arguments) {
    return __stdio_common_vsscanf(kScanOptions, text, static_cast<size_t>(-1), format, nullptr, arguments);
}

int WriteFormatted(FILE* stream, const char* format, va_list arguments) {
    return __stdio_common_vfprintf(kPrintOptions, stream, format, nullptr, arguments);
}

void CopyBounded(char* to, size_t size, const char* from) {
    if (size == 0) return;
    size_t length = 0;
    while (length + 1 < size && from[length]) ++length;
    memcpy(to, from, length);
    to[length] = '\0';
}

bool SameText(const char* a, const char* b) { return strcmp(a, b) == 0; }

}  // namespace morvel
