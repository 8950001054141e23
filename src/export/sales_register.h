#pragma once
// Posting records of the sales register file.

#include <string_view>

#include "export/date_field.h"
#include "export/output_file.h"
#include "posting/posting_line.h"

namespace klarvo::exporting {

// Writes one posting record of 29 fields. No field carries the separator ■ (0xFE) or a line
// break: both are written as a blank.
void WritePostingRecord(OutputFile& file, const posting::PostingLine& line, std::string_view documentNumber,
                        const DocumentDates& dates);

// Whether a line amount is written at all: amounts closer to 0 than 0.00001 are not.
bool IsPosted(double amount);

}  // namespace klarvo::exporting
