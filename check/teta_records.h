#pragma once
// The two Teta records as klarvo-check names and lists them, from the records' lists of fields:
// the name of a field in the findings, the columns of the listings and a record's row in them.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "check/findings.h"
#include "check/messages.h"
#include "check/table.h"

namespace klarvo::check {

enum class TetaRecord { Posting, Account };

// A field by its position from 0: its name, or its number where it has none.
Message FieldName(TetaRecord record, std::size_t field);

// A record on a line of its file, as findings name it.
RecordPlace PlaceOf(TetaRecord record, const std::string& file, std::int64_t line, Findings& findings);

// A fault for each constant field that does not hold its text.
void CheckConstants(const RecordPlace& place, TetaRecord record, const std::vector<std::string_view>& fields);

// The listing's columns: the fields with a key, in the record's order.
const std::vector<TableColumn>& ListingColumns(TetaRecord record);

// A record's row in the listing, of its fields split at the separators; blanks that pad a field
// are dropped, a text keeps its own.
std::vector<std::string> ListingRow(TetaRecord record, const std::vector<std::string_view>& fields);

}  // namespace klarvo::check
