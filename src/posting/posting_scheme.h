#pragma once
// The two posting schemes, stored in the host's configuration and worked on in the host's
// posting-scheme buffer, and the names of the amount codes.

#include <cstddef>
#include <cstdint>

#include "src/host/amount_names.h"

namespace klarvo::posting {

// Scheme ids; the settings dialog's buttons carry the same numbers as command codes.
enum SchemeId : std::int16_t {
    kSalesInvoiceScheme = 16642,
    kSalesCorrectionScheme = 16643,
};

enum class Transfer { Load, Save };

// Entries of a scheme, named by their keys for the user ("Dekret_2", "Dekret_2 i Dekret_5",
// "Dekret_1, Dekret_2 i Dekret_5").
struct EntryKeys {
    char text[14 * 12] = "";
    int count = 0;
    void Add(int index);
    bool Empty() const { return count == 0; }

private:
    unsigned entries_ = 0;
};

struct TransferOutcome {
    bool known = false;               // the id names a scheme
    const char* section = "";         // where the scheme is stored
    const char* name = "";            // its name for the user: "faktur sprzedaży"
    EntryKeys unreadable;             // load: stored entries that could not be read, left empty
    EntryKeys changed;                // save: entries whose texts were changed to be stored
};

// Load: the buffer then holds exactly the stored scheme, or the default scheme when none was
// ever stored; a stored scheme of which an entry cannot be read is still the stored scheme, with
// that entry empty, and the outcome names it. Save: stores the buffer as the scheme; a double
// quote becomes an apostrophe and a line break a blank, in the buffer too, since the stored form
// cannot hold them, and the user is told which entries changed. An id that names no scheme only
// tells the user so.
TransferOutcome TransferPostingScheme(std::int16_t schemeId, Transfer transfer);

// Tells the user which stored entries could not be read, and what follows from it: `one` when one
// entry could not be read, `many` when more.
void ReportUnreadable(const TransferOutcome& outcome, const char* one, const char* many);

// The host's list-text buffer holds a blank, the longest amount name and its NUL.
inline constexpr std::size_t kListTextSize = 1 + host::kLongestAmountName + 1;

}  // namespace klarvo::posting
