#pragma once
// Host dates as the import files write them: YYYY-MM-DD.

namespace klarvo::exporting {

struct DateField {
    char text[24];  // room for any three 16-bit parts
};

// The host date string written with "%04d-%02d-%02d".
DateField FormatDate(const char* hostDate);

// The document date, and the due date: the document date plus a positive payment term.
struct DocumentDates {
    DateField document;
    DateField due;
};

// From the document date string and payment term of a Tspr record.
DocumentDates DatesOf(const void* document);

}  // namespace klarvo::exporting
