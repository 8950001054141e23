// The services behind the posting schemes: the posting-scheme buffer, the host configuration
// (config.ini of the company folder) and the small text and amount helpers.

#include <cstring>
#include <string>

#include "hostsim/company/config_line.h"
#include "hostsim/company/ini_store.h"
#include "hostsim/host.h"
#include "hostsim/services/exports.h"
#include "hostsim/text/formatting.h"
#include "src/host/services.h"
#include "src/host/stores.h"

namespace klarvo::sim {
namespace {

using namespace klarvo::host;

char* PostingSchemeBuffer() { return reinterpret_cast<char*>(Host::Active().posting.schemeBuffer); }

std::int16_t ConfigValue(int mode, const char* section, const char* key, const char* format, va_list arguments) {
    Host& host = Host::Active();
    const std::filesystem::path path = host.PathOf("config.ini");
    if (mode == kWriteConfiguration) {
        WriteIniValue(path, section, key, Format(format, arguments));
        return 0;
    }
    host.Require(mode == kReadConfiguration, "the host configuration used in mode " + std::to_string(mode));
    const auto stored = ReadIniValue(path, section, key);
    if (!stored) return 1;
    const ScanResult result = ScanConfigurationLine(*stored, format, arguments);
    host.Require(result != ScanResult::UnknownFormat,
                 std::string("a configuration read with a format the host does not read: ") + format);
    return result == ScanResult::Read ? 0 : 1;
}

void DeleteCharacter(char* at) { std::memmove(at, at + 1, std::strlen(at + 1) + 1); }

void InsertCharacter(char* at, int character) {
    std::memmove(at + 1, at, std::strlen(at) + 1);
    *at = static_cast<char>(character);
}

void CopyText(char* destination, const char* source, int count) {
    Host::Active().Require(count >= 0, "a text copied with a negative length");
    const std::size_t length = strnlen(source, static_cast<std::size_t>(count));
    std::memcpy(destination, source, length);
    destination[length] = '\0';
}

// 0 exactly when the amount is none.
double AmountValue(double amount, int scale) {
    Host::Active().Require(scale == 1, "an amount tested with a scale other than 1");
    return amount;
}

}  // namespace

ExportTable PostingServices() {
    return {
        Export<service::PostingSchemeBuffer, &PostingSchemeBuffer>(),
        Export<service::ConfigValue, &ConfigValue>(),
        Export<service::DeleteCharacter, &DeleteCharacter>(),
        Export<service::InsertCharacter, &InsertCharacter>(),
        Export<service::CopyText, &CopyText>(),
        Export<service::AmountValue, &AmountValue>(),
    };
}

}  // namespace klarvo::sim
