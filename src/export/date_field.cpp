#include "src/export/date_field.h"

#include <cstdint>

#include "src/export/decimal_text.h"
#include "src/host/records.h"
#include "src/services/dates.h"

namespace klarvo::exporting {

DateField FormatDate(const char* hostDate) {
    const services::DateParts parts = services::SplitDate(hostDate);
    DateField field;
    char* end = WriteZeroPadded(field.text, parts.year, 4);
    *end++ = '-';
    end = WriteZeroPadded(end, parts.month, 2);
    *end++ = '-';
    *WriteZeroPadded(end, parts.day, 2) = '\0';
    return field;
}

DocumentDates DatesOf(const void* document) {
    host::DateText date = "";
    const std::string_view stored = host::BoundedText(document, host::tspr::kDate.offset, host::kDateLength);
    stored.copy(date, stored.size());
    DocumentDates dates;
    dates.document = FormatDate(date);
    dates.due = dates.document;
    const auto paymentDays = host::ReadField<std::int16_t>(document, host::tspr::kPaymentDays);
    if (paymentDays > 0) {
        services::AddDays(date, paymentDays);
        dates.due = FormatDate(date);
    }
    return dates;
}

}  // namespace klarvo::exporting
