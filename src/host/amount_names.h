#pragma once
// The host's amount codes, 0 to 32, as a posting scheme names the amount of a document that an
// entry books: code N is the document's amount N (1 the net total, 2 the VAT total, 3 the gross
// total, then the amounts per rate), 0 none. Their names are those the scheme editor lists.

#include <cstddef>

namespace klarvo::host {

inline constexpr int kAmountNameCount = 33;
inline constexpr std::size_t kLongestAmountName = 21;

// The name of an amount code (Mazovia); empty for a code that has none.
const char* AmountName(int code);

}  // namespace klarvo::host
