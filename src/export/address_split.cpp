#include "src/export/address_split.h"

#include <algorithm>

namespace klarvo::exporting {
namespace {

constexpr int kNotFound = -1;
// Where the street is taken to start when the text begins with a postcode and has no marker.
constexpr int kStreetAfterLeadingPostcode = 25;

bool IsDigit(std::string_view text, std::size_t at) {
    return at < text.size() && text[at] >= '0' && text[at] <= '9';
}

bool IsPostcodeAt(std::string_view text, std::size_t at) {
    return IsDigit(text, at) && IsDigit(text, at + 1) && at + 2 < text.size() && text[at + 2] == '-' &&
           IsDigit(text, at + 3) && IsDigit(text, at + 4) && IsDigit(text, at + 5) && !IsDigit(text, at + 6);
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Street, estate, avenue and square, in any letter case.
constexpr std::string_view kStreetMarkers[] = {"ul.", "os.", "al.", "pl."};

bool IsStreetMarkerAt(std::string_view text, std::size_t at) {
    // Every marker ends with its full stop: most places are passed over by that alone.
    if (at + 3 > text.size() || text[at + 2] != '.') return false;
    const char marker[3] = {Lower(text[at]), Lower(text[at + 1]), text[at + 2]};
    const std::string_view found(marker, 3);
    return std::find(std::begin(kStreetMarkers), std::end(kStreetMarkers), found) != std::end(kStreetMarkers);
}

// Where the street starts after a leading postcode and its city when no marker says so: at the
// first comma after the city's start, else at a fixed position.
int StreetAfterLeadingPostcode(std::string_view text, int city) {
    const std::size_t comma = city == kNotFound ? std::string_view::npos : text.find(',', static_cast<std::size_t>(city));
    return comma == std::string_view::npos ? kStreetAfterLeadingPostcode : static_cast<int>(comma);
}

// The text from a start position, at most `count` characters; empty from the end onwards.
std::string_view Part(std::string_view text, int start, int count = -1) {
    if (start < 0 || static_cast<std::size_t>(start) >= text.size()) return {};
    return text.substr(static_cast<std::size_t>(start),
                       count < 0 ? std::string_view::npos : static_cast<std::size_t>(count));
}

std::string_view FirstCharacters(std::string_view text) { return text.substr(0, kSplitTextLength); }

}  // namespace

AddressParts SplitAddress(std::string_view address) {
    const std::string_view text = FirstCharacters(address);
    const int length = static_cast<int>(text.size());
    int postcode = kNotFound, city = kNotFound, street = kNotFound;
    for (int i = 0; i < length; ++i) {
        if (IsPostcodeAt(text, static_cast<std::size_t>(i))) {
            postcode = i;
            city = i + 7;
        }
        if (IsStreetMarkerAt(text, static_cast<std::size_t>(i))) street = i;
    }
    if (city > length) city = kNotFound;
    if (street == kNotFound && postcode != kNotFound)
        street = postcode == 0 ? StreetAfterLeadingPostcode(text, city) : 0;

    if (postcode < city && city < street)
        return {Part(text, postcode, 6), Part(text, city, street - city), Part(text, street)};
    if (street < postcode && postcode < city)
        return {Part(text, postcode, 6), Part(text, city), Part(text, street, postcode - street)};
    if (postcode == kNotFound && city == kNotFound) {
        if (street == kNotFound) return {{}, text, {}};
        return {{}, text.substr(0, static_cast<std::size_t>(street)), Part(text, street)};
    }
    return {};
}

DigitSplit SplitAtFirstDigit(std::string_view text) {
    const std::string_view work = FirstCharacters(text);
    for (std::size_t i = 0; i < work.size(); ++i)
        if (IsDigit(work, i)) return {work.substr(0, i), work.substr(i)};
    return {};
}

}  // namespace klarvo::exporting
