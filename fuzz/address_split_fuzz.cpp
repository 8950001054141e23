// Arbitrary bytes through both splits: every part must lie inside the first 255 bytes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "src/export/address_split.h"

namespace {

void RequireInside(std::string_view part, std::string_view text) {
    if (part.empty()) return;
    const std::size_t limit = std::min(text.size(), klarvo::exporting::kSplitTextLength);
    if (part.data() < text.data() || part.data() + part.size() > text.data() + limit) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto address = klarvo::exporting::SplitAddress(text);
    for (const std::string_view part : {address.postcode, address.city, address.street}) RequireInside(part, text);
    if (!address.postcode.empty() && address.postcode.size() != 6) std::abort();
    const auto split = klarvo::exporting::SplitAtFirstDigit(text);
    RequireInside(split.leading, text);
    RequireInside(split.digits, text);
    if (!split.digits.empty() && (split.digits[0] < '0' || split.digits[0] > '9')) std::abort();
    return 0;
}
