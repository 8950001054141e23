#pragma once
// Posting-scheme entries that a user types into the host's posting-scheme editor, from a CSV
// file: entry (0 to 13, required), debit_code, debit_account, credit_code, credit_account,
// description, short_code, number. A row replaces its entry whole; a missing cell is 0 or empty.

#include <filesystem>
#include <vector>

#include "src/host/posting_scheme_buffer.h"

namespace klarvo::sim {

struct SchemeEdit {
    int index;
    host::PostingSchemeEntry entry;
};

// Throws std::runtime_error naming file, line and column of a bad value.
std::vector<SchemeEdit> LoadSchemeEdits(const std::filesystem::path& file);

}  // namespace klarvo::sim
