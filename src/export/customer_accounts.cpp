#include "src/export/customer_accounts.h"

#include <cstdio>

#include "src/export/address_split.h"
#include "src/export/customer_marks.h"
#include "src/export/field_text.h"
#include "src/export/grosz_amount.h"
#include "src/host/mazovia.h"
#include "src/host/records.h"
#include "src/services/customers.h"
#include "src/teta/format.h"

namespace klarvo::exporting {
namespace {

namespace k4 = host::k4;

using Field = FieldText<kSplitTextLength>;

// A text of the record and its field.
struct Column {
    Field* field;
    teta::AccountField position;

    std::size_t Width() const { return teta::kAccountFields[position].width; }
    const char* Name() const { return teta::kAccountFieldTerms[position]; }
};

// Keeps the first change of a record.
void NoteFirst(TextChange& change, const Column& column, std::int32_t customer, const char* before, const char* after,
               std::size_t width) {
    if (change.field) return;
    change.customer = customer;
    change.field = column.Name();
    std::snprintf(change.before, sizeof change.before, "%s", before);
    std::snprintf(change.after, sizeof change.after, "%.*s", static_cast<int>(width), after);
}

}  // namespace

CustomerChanges WriteCustomerAccount(const void* customer, OutputFile& file) {
    const auto number = host::ReadField<std::int32_t>(customer, k4::kNumber);
    Field name(host::BoundedText(customer, k4::kName));
    services::CleanName(name.text);

    const AddressParts address = SplitAddress(host::BoundedText(customer, k4::kAddress));
    Field postcode(address.postcode), city(address.city), street(address.street);
    services::CleanAddressPart(city.text);
    services::CleanAddressPart(postcode.text);
    services::CleanAddressPart(street.text);

    const DigitSplit bank = SplitAtFirstDigit(host::BoundedText(customer, k4::kBankAccount));
    Field bankName(bank.leading), bankNumber(bank.digits);
    Field shortName(host::BoundedText(customer, k4::kShortName));
    Field taxId(host::BoundedText(customer, k4::kTaxId));

    const Column columns[] = {
        {&shortName, teta::kShortNameField}, {&name, teta::kNameField},     {&postcode, teta::kPostcodeField},
        {&city, teta::kCityField},           {&street, teta::kStreetField}, {&bankName, teta::kBankField},
        {&bankNumber, teta::kBankAccountField},                             {&taxId, teta::kTaxIdField},
    };
    // An account number whose digits would not fit keeps them all when its blanks go.
    if (bankNumber.Size() > teta::kAccountFields[teta::kBankAccountField].width) bankNumber.DropBlanks();
    CustomerChanges changes;
    for (const Column& column : columns) {
        const Field before = *column.field;
        if (column.field->KeepOff(teta::kAccountsSeparator, 'Z'))
            NoteFirst(changes.replaced, column, number, before.text, column.field->text, kSplitTextLength);
        if (column.field->Size() > column.Width())
            NoteFirst(changes.cut, column, number, column.field->text, column.field->text, column.Width());
    }

    const auto amount = [&](host::ValueAt<double> field, teta::AccountField position) {
        const double held = host::ReadField(customer, field);
        const GroszAmount written = InWholeGrosze(held);
        if (written.rounded && !changes.rounded.field) {
            changes.rounded.customer = number;
            changes.rounded.field = teta::kAccountFieldTerms[position];
            FormatPolishAmount(changes.rounded.before, sizeof changes.rounded.before, held, 4);
            FormatPolishAmount(changes.rounded.after, sizeof changes.rounded.after, written.value, 2);
        }
        return written.value;
    };
    const double creditLimit = amount(k4::kCreditLimit, teta::kCreditLimitField);
    const double discount = amount(k4::kDiscount, teta::kDiscountField);
    Print<teta::kAccountRecordFormat>(file, number, shortName.text, name.text, postcode.text, city.text, street.text,
                                      bankName.text, bankNumber.text, taxId.text, creditLimit, discount);
    return changes;
}

}  // namespace klarvo::exporting
