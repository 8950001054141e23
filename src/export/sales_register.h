#pragma once
// Posting records of the sales register file.

#include <string_view>

#include "src/export/date_field.h"
#include "src/export/field_text.h"
#include "src/export/output_file.h"
#include "src/host/records.h"
#include "src/posting/posting_line.h"

namespace klarvo::exporting {

inline constexpr std::size_t kDocumentNumberRoom = host::tspr::kNumber.room;

// What every posting record of a document carries: its number and its dates. No field carries
// the separator ■ (0xFE) or a line break: both are written as a blank.
struct RegisterDocument {
    RegisterDocument(std::string_view number, const DocumentDates& dates);
    // From the number, document date and payment term of a Tspr record, made in place.
    explicit RegisterDocument(const void* tspr);
    FieldText<kDocumentNumberRoom> number;
    DocumentDates dates;
    bool numberReplaced;  // the number held a separator or a line break
};


// What a posting record could not carry as it was: a text with a separator or a line break (written
// as a blank), an amount with a fraction of a grosz (written rounded, grosz_amount.h).
struct PostingChanges {
    bool replaced = false;
    bool rounded = false;
    double written = 0;  // the amount as written
};

// Writes one posting record of 29 fields.
PostingChanges WritePostingRecord(OutputFile& file, const posting::PostingLine& line, const RegisterDocument& document);

// Whether a line amount is written at all: amounts closer to 0 than 0.00001 are not.
bool IsPosted(double amount);

}  // namespace klarvo::exporting
