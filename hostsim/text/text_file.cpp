#include "hostsim/text/text_file.h"

#include <vector>

namespace klarvo::sim {

#if defined(_WIN32)
int WriteFormatted(std::FILE* stream, const char* format, va_list arguments) {
    char line[1024];
    va_list again;
    va_copy(again, arguments);
    const int length = std::vsnprintf(line, sizeof line, format, arguments);
    std::vector<char> longer;
    if (length >= static_cast<int>(sizeof line)) {
        longer.resize(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(longer.data(), longer.size(), format, again);
    }
    va_end(again);
    if (length < 0) return -1;
    const char* text = longer.empty() ? line : longer.data();
    return std::fwrite(text, 1, static_cast<std::size_t>(length), stream) == static_cast<std::size_t>(length) ? length : -1;
}
#else
// The GNU C library formats straight into the stream's buffer.
int WriteFormatted(std::FILE* stream, const char* format, va_list arguments) {
    return std::vfprintf(stream, format, arguments);
}
#endif

}  // namespace klarvo::sim

#if defined(_WIN32)

namespace klarvo::sim {

// The C runtime's own text mode.
std::FILE* OpenTextFile(const std::filesystem::path& path) { return std::fopen(path.string().c_str(), "w"); }

}  // namespace klarvo::sim

#else

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace klarvo::sim {
namespace {

// The stream's buffer is handed here when it is flushed: line ends become CR LF on their way
// to the file.
struct TextMode {
    int descriptor;
    bool failed = false;
};

bool WriteAll(int descriptor, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(descriptor, data, size);
        if (written <= 0) return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// Copies the lines of `data` into `converted` (twice its size at most) with CR LF line ends.
std::size_t Convert(const char* data, std::size_t size, char* converted) {
    std::size_t used = 0;
    for (const char* end = data + size; data < end;) {
        const auto* newline = static_cast<const char*>(std::memchr(data, '\n', static_cast<std::size_t>(end - data)));
        const char* stop = newline ? newline : end;
        std::memcpy(converted + used, data, static_cast<std::size_t>(stop - data));
        used += static_cast<std::size_t>(stop - data);
        if (newline) {
            std::memcpy(converted + used, "\r\n", 2);
            used += 2;
        }
        data = stop + (newline ? 1 : 0);
    }
    return used;
}

ssize_t Write(void* cookie, const char* data, std::size_t size) {
    auto* mode = static_cast<TextMode*>(cookie);
    constexpr std::size_t kChunk = 8192;
    char converted[2 * kChunk];
    for (std::size_t done = 0; done < size; done += kChunk) {
        const std::size_t used = Convert(data + done, std::min(kChunk, size - done), converted);
        if (!WriteAll(mode->descriptor, converted, used)) {
            mode->failed = true;
            return 0;
        }
    }
    return static_cast<ssize_t>(size);
}

int Close(void* cookie) {
    auto* mode = static_cast<TextMode*>(cookie);
    const bool closed = ::close(mode->descriptor) == 0 && !mode->failed;
    delete mode;
    return closed ? 0 : -1;
}

}  // namespace

std::FILE* OpenTextFile(const std::filesystem::path& path) {
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (descriptor < 0) return nullptr;
    std::FILE* stream = fopencookie(new TextMode{descriptor}, "w", {nullptr, &Write, nullptr, &Close});
    if (!stream) ::close(descriptor);
    return stream;
}

}  // namespace klarvo::sim

#endif
