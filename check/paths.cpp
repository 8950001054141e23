#include "check/paths.h"

namespace klarvo::check {

std::filesystem::path PathOf(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Shown(const std::filesystem::path& path) {
    const std::u8string utf8 = std::filesystem::path(path).make_preferred().u8string();
    return {utf8.begin(), utf8.end()};
}

}  // namespace klarvo::check
