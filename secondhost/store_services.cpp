// What the host keeps for a module: a settings file of the module's own (41399) and the host's
// configuration (52224), each one value of a key read with a scanf-style format or written with a
// printf-style one; the host's mode flags (32300, 32408) and memory blocks (21285, 21287).

#include "secondhost/host_interface.h"
#include "secondhost/host_runtime.h"
#include "secondhost/live_objects.h"
#include "secondhost/served_call.h"

namespace morvel {
namespace {

constexpr int kValueRoom = 4096;
char g_value[kValueRoom];

// The host's configuration lives in its working folder.
const char* const kConfigurationFile = "config.ini";

// Writes the formatted value under the key.
void Store(ServiceCall& call, const char* path, const char* section, const char* key, const char* format,
           va_list arguments) {
    if (!call.Require(FormatInto(g_value, kValueRoom, format, arguments) < kValueRoom, "a stored value longer than the host keeps"))
        return;
    g_core->write_value(path, section, key, g_value);
}

// A stored configuration line as the host reads it back: fields separated by commas, a field that
// starts with a double quote ending at the next double quote before a comma or the end and losing
// its quotes. The format is "%N[^\n]" (the whole line, at most N characters) or directives
// separated by commas, "%d" (an int) and "%Ns" (a text of at most N characters): 0 when every
// target was filled, 1 when the line does not match (no target touched), -1 for a format the host
// does not read.
struct Field {
    const char* text;
    int length;
};

int SplitFields(const char* line, Field* fields, int room) {
    int count = 0;
    const char* at = line;
    for (;;) {
        if (count == room) return -1;
        if (*at == '"') {
            const char* close = at;
            do {
                ++close;
                while (*close && *close != '"') ++close;
                if (!*close) return -1;
            } while (close[1] && close[1] != ',');
            fields[count++] = {at + 1, static_cast<int>(close - at - 1)};
            at = close + 1;
        } else {
            const char* end = at;
            while (*end && *end != ',') ++end;
            fields[count++] = {at, static_cast<int>(end - at)};
            at = end;
        }
        if (!*at) return count;
        ++at;
    }
}

// A directive: 0 for "%d", N for "%Ns"; -1 when it is neither. `format` moves past it and its comma.
int Directive(const char*& format) {
    const char* end = format;
    while (*end && *end != ',') ++end;
    int width = -1;
    if (end - format == 2 && format[0] == '%' && format[1] == 'd') {
        width = 0;
    } else if (end - format >= 3 && format[0] == '%' && end[-1] == 's') {
        width = 0;
        for (const char* digit = format + 1; digit < end - 1; ++digit) {
            if (*digit < '0' || *digit > '9') return -1;
            width = width * 10 + (*digit - '0');
        }
        if (width == 0) return -1;
    }
    format = *end ? end + 1 : end;
    return width;
}

bool Number(const Field& field, int& value) {
    int at = field.length > 0 && (field.text[0] == '+' || field.text[0] == '-') ? 1 : 0;
    if (at == field.length) return false;
    long long number = 0;
    for (; at < field.length; ++at) {
        if (field.text[at] < '0' || field.text[at] > '9') return false;
        number = number * 10 + (field.text[at] - '0');
        if (number > 2147483648LL) return false;
    }
    if (field.text[0] == '-') number = -number;
    if (number > 2147483647LL) return false;
    value = static_cast<int>(number);
    return true;
}

void PutText(char* target, const char* text, int length, int width) {
    const int taken = length < width ? length : width;
    memcpy(target, text, static_cast<size_t>(taken));
    target[taken] = '\0';
}

int ReadConfigurationLine(const char* line, const char* format, va_list targets) {
    const size_t formatLength = strlen(format);
    if (formatLength > 6 && format[0] == '%' && SameText(format + formatLength - 5, "[^\n]")) {
        int width = 0;
        for (const char* digit = format + 1; digit < format + formatLength - 5; ++digit) {
            if (*digit < '0' || *digit > '9') return -1;
            width = width * 10 + (*digit - '0');
        }
        if (width == 0) return -1;
        if (!*line) return 1;
        PutText(va_arg(targets, char*), line, static_cast<int>(strlen(line)), width);
        return 0;
    }
    constexpr int kRoom = 16;
    int widths[kRoom];
    int directives = 0;
    for (const char* at = format; *at;) {
        if (directives == kRoom) return -1;
        if ((widths[directives++] = Directive(at)) < 0) return -1;
    }
    Field fields[kRoom];
    if (SplitFields(line, fields, kRoom) != directives) return 1;
    int numbers[kRoom];
    for (int i = 0; i < directives; ++i)
        if (widths[i] == 0 && !Number(fields[i], numbers[i])) return 1;
    for (int i = 0; i < directives; ++i) {
        if (widths[i] == 0)
            *va_arg(targets, int*) = numbers[i];
        else
            PutText(va_arg(targets, char*), fields[i].text, fields[i].length, widths[i]);
    }
    return 0;
}

}  // namespace
}  // namespace morvel

using namespace morvel;

extern "C" int16_t SettingsValue(const char* file, int mode, const char* section, const char* key, const char* format,
                                 va_list arguments) {
    ServiceCall call = Serve<41399>();
    char path[520];
    if (!g_core->file_path(file, path, sizeof path)) call.Failed();
    int16_t status = 0;
    if (mode == kReadSetting) {
        const bool stored = g_core->read_value(path, section, key, g_value, kValueRoom);
        status = stored && ReadFormatted(g_value, format, arguments) >= 1 ? 0 : 1;
    } else if (call.Require(mode == kWriteSetting, "a settings file used in another mode than reading or writing")) {
        Store(call, path, section, key, format, arguments);
    }
    return call.Done(status);
}

extern "C" int16_t ConfigValue(int mode, const char* section, const char* key, const char* format, va_list arguments) {
    ServiceCall call = Serve<52224>();
    char path[520];
    g_core->file_path(kConfigurationFile, path, sizeof path);
    int16_t status = 0;
    if (mode == kWriteConfiguration) {
        Store(call, path, section, key, format, arguments);
    } else if (call.Require(mode == kReadConfiguration, "the host configuration used in another mode than reading or writing")) {
        const int read = g_core->read_value(path, section, key, g_value, kValueRoom) ? ReadConfigurationLine(g_value, format, arguments) : 1;
        call.Require(read >= 0, "a configuration read with a format the host does not read");
        status = read == 0 ? 0 : 1;
    }
    return call.Done(status);
}

extern "C" uint16_t ModeFlags() {
    ServiceCall call = Serve<32300>();
    return call.Done(g_core->mode_flags());
}

extern "C" void SetModeFlags(uint16_t mask, int set) {
    ServiceCall call = Serve<32408>();
    const uint16_t flags = g_core->mode_flags();
    g_core->set_mode_flags(static_cast<uint16_t>(set ? flags | mask : flags & ~mask));
    call.Done();
}

extern "C" void* AllocateBlock(uint32_t size, int zeroed) {
    ServiceCall call = Serve<21285>();
    call.Require(zeroed == 1, "a block asked for without zeroing");
    void* block = calloc(size, 1);
    if (block) g_live.blocks.Add(block);
    return call.Done(block);
}

extern "C" void FreeBlock(void* block) {
    ServiceCall call = Serve<21287>();
    if (call.Require(g_live.blocks.Remove(block), "a block released that was not allocated (released twice?)")) free(block);
    call.Done();
}

// The services that a module binds but has no use for.
#define MORVEL_UNUSED_SERVICE(number)                                                          \
    extern "C" void Unused##number() {                                                         \
        ServiceCall call = Serve<number>();                                                    \
        call.Require(false, "service " #number " called, which the plug-in has no use for"); \
        call.Done();                                                                           \
    }
MORVEL_UNUSED_SERVICE(40008)
MORVEL_UNUSED_SERVICE(41611)
MORVEL_UNUSED_SERVICE(41613)
MORVEL_UNUSED_SERVICE(30005)
MORVEL_UNUSED_SERVICE(38417)
MORVEL_UNUSED_SERVICE(38511)
MORVEL_UNUSED_SERVICE(52029)
MORVEL_UNUSED_SERVICE(52016)
MORVEL_UNUSED_SERVICE(52015)
MORVEL_UNUSED_SERVICE(37974)
MORVEL_UNUSED_SERVICE(52466)
