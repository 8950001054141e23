#pragma once
// The posting-scheme buffer as a table for people, with the amount names.

#include <string>

#include "host/posting_scheme_buffer.h"

namespace klarvo::sim {

// UTF-8, one row per entry, and where the scheme ends for the export.
std::string ListScheme(const host::PostingSchemeEntry (&entries)[host::kSchemeEntryCount],
                       const char* (*amountName)(int code));

}  // namespace klarvo::sim
