#include "export/customer_accounts.h"

#include "export/address_split.h"
#include "export/customer_marks.h"
#include "export/export_object.h"
#include "export/field_text.h"
#include "host/customers.h"
#include "host/mazovia.h"
#include "host/records.h"

namespace klarvo::exporting {
namespace {

namespace k4 = host::k4;

constexpr char kSeparator = "Ź"_mz[0];

// A field of the record: Ź (the separator) becomes Z.
struct Field : FieldText<kSplitTextLength> {
    explicit Field(std::string_view from) : FieldText(from, kSeparator, 'Z') {}
};

std::string_view Text(const void* customer, std::size_t offset, std::size_t end) {
    return host::BoundedText(customer, offset, end - offset);
}

}  // namespace

void WriteCustomerAccount(const void* customer, OutputFile& file) {
    Field name(Text(customer, k4::kName, k4::kAddress));
    host::CleanName(name.text);

    const AddressParts address = SplitAddress(Text(customer, k4::kAddress, k4::kTaxId));
    Field postcode(address.postcode), city(address.city), street(address.street);
    host::CleanAddressPart(city.text);
    host::CleanAddressPart(postcode.text);
    host::CleanAddressPart(street.text);

    const DigitSplit bank = SplitAtFirstDigit(Text(customer, k4::kBankAccount, k4::kCreditLimit));
    Field bankName(bank.leading), bankNumber(bank.digits);
    Field shortName(Text(customer, k4::kShortName, k4::kName));
    Field taxId(Text(customer, k4::kTaxId, k4::kBankAccount));

    // Every field is preceded by the separator Ź (0xA0), the first one (empty) included.
    Print(file, "Ź2Ź%dŹ%20.20sŹ%60.60sŹ%6.6sŹ%25.25sŹ%32.32sŹ%30.30sŹ%30.30sŹ%18.18sŹ%0.2fŹ%0.2f\n"_mz,
          host::ReadField<std::int32_t>(customer, k4::kNumber), shortName.text, name.text,
          postcode.text, city.text, street.text, bankName.text, bankNumber.text,
          taxId.text, host::ReadField<double>(customer, k4::kCreditLimit),
          host::ReadField<double>(customer, k4::kDiscount));
}

void CExportTetaTxt::WriteCustomerAccounts(int sign) {
    const unsigned char* marks = sign > 0 ? companyMarks_ : personMarks_;
    for (std::int32_t i = 1; i < static_cast<std::int32_t>(kCustomerMarkCount); ++i)
        if (marks[i] && host::FindCustomer(sign * i)) WriteCustomerAccount(customerRecord_, accountsFile_);
}

}  // namespace klarvo::exporting
