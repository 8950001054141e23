#pragma once
// The posting-scheme buffer as a table for people, with the amount names.

#include <string>
#include <vector>

#include "src/host/posting_scheme_buffer.h"

namespace klarvo::sim {

// UTF-8, one row per entry, and where the scheme ends for the export. `amountNames` (Mazovia)
// are indexed by amount code.
std::string ListScheme(const host::PostingSchemeEntry (&entries)[host::kSchemeEntryCount],
                       const std::vector<std::string>& amountNames);

}  // namespace klarvo::sim
