#include "src/export/sales_register.h"

#include <cstdint>
#include <cstring>
#include <optional>

#include "src/export/field_text.h"
#include "src/export/grosz_amount.h"
#include "src/host/mazovia.h"
#include "src/host/posting_scheme_buffer.h"
#include "src/host/records.h"
#include "src/teta/format.h"

namespace klarvo::exporting {
namespace {

constexpr double kSmallestAmount = 0.00001;

// A text of a posting line in a field of the record: at most Length characters, copied and kept
// off the separator in one pass, since every record has three of them.
template <std::size_t Length>
struct RegisterField {
    explicit RegisterField(const char* from) {
        std::size_t length = 0;
        for (; length < Length && from[length] != '\0'; ++length) {
            text[length] = KeptInField(from[length], teta::kRegisterSeparator, ' ');
            replaced |= text[length] != from[length];
        }
        text[length] = '\0';
    }
    char text[Length + 1];
    bool replaced = false;
};

}  // namespace

RegisterDocument::RegisterDocument(std::string_view documentNumber, const DocumentDates& documentDates)
    : number(documentNumber), dates(documentDates), numberReplaced(number.KeepOff(teta::kRegisterSeparator, ' ')) {}

RegisterDocument::RegisterDocument(const void* tspr) : RegisterDocument(host::BoundedText(tspr, host::tspr::kNumber), DatesOf(tspr)) {}

bool IsPosted(double amount) { return !(amount > -kSmallestAmount && amount < kSmallestAmount); }

PostingChanges WritePostingRecord(OutputFile& file, const posting::PostingLine& line, const RegisterDocument& document) {
    const RegisterField<posting::kAccountLength> debit(line.debitAccount), credit(line.creditAccount);
    const RegisterField<posting::kLineDescriptionLength> description(line.description);
    const bool hasDebit = debit.text[0] != '\0';
    const bool hasCredit = credit.text[0] != '\0';
    // The register token: the description's first letter and the register, on the credit side.
    char token[2 + sizeof teta::kSalesRegister] = "";
    if (hasCredit && description.text[0]) {
        token[0] = description.text[0];
        token[1] = teta::kRegisterTokenMark;
        std::memcpy(token + 2, teta::kSalesRegister, sizeof teta::kSalesRegister);
    }
    const GroszAmount amount = InWholeGrosze(line.amount);
    Print<teta::kPostingRecordFormat>(file, hasDebit ? debit.text : credit.text, hasDebit ? amount.value : 0.0,
                                      hasCredit ? amount.value : 0.0, document.number.text, document.dates.document.text, document.dates.due.text,
                                      document.dates.document.text, token, document.dates.document.text, description.text);
    return {document.numberReplaced || debit.replaced || credit.replaced || description.replaced, amount.rounded, amount.value};
}

}  // namespace klarvo::exporting
