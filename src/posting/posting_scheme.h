#pragma once
// The two posting schemes, stored in the host's configuration and worked on in the host's
// posting-scheme buffer, and the names of the amount codes.

#include <cstddef>
#include <cstdint>

namespace klarvo::posting {

// Scheme ids; the settings dialog's buttons carry the same numbers as command codes.
enum SchemeId : std::int16_t {
    kSalesInvoiceScheme = 16642,
    kSalesCorrectionScheme = 16643,
};

enum class Transfer { Load, Save };

// Load: the buffer then holds exactly the stored scheme, or the default scheme when none was
// ever stored. Save: stores the buffer as the scheme. An id that names no scheme only tells the
// user so, and gives false.
bool TransferPostingScheme(std::int16_t schemeId, Transfer transfer);

// Amount codes 0 to 32 and their names as the scheme editor lists them.
inline constexpr int kAmountNameCount = 33;

inline constexpr std::size_t kLongestAmountName = 21;
// The host's list-text buffer holds a blank, the longest amount name and its NUL.
inline constexpr std::size_t kListTextSize = 1 + kLongestAmountName + 1;

// The name of an amount code; empty for a code that has none.
const char* AmountName(int code);

}  // namespace klarvo::posting
