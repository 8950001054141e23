#include "check/customer_numbers.h"

#include <algorithm>

#include "checkdigits/polish_check_digits.h"
#include "src/host/mazovia.h"
#include "src/teta/format.h"

namespace klarvo::check {
namespace {

// The fields of the bank, the bank account and the tax number.
using teta::kBankAccountField, teta::kBankField, teta::kTaxIdField;
constexpr std::size_t kNrbDigits = 26;

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// A NIP as customers' records carry it: "PL" in front is the Polish one written for the EU; any
// other letters in front make it another country's number, which has check digits of its own.
void CheckTaxId(const RecordPlace& place, std::string_view taxId, const std::vector<std::string>& named) {
    std::string_view number = taxId;
    if (number.starts_with("PL") || number.starts_with("pl")) number.remove_prefix(2);
    if (number.empty() || IsLetter(number.front())) return;
    const auto digits = checkdigits::DigitsOf(number);
    if (digits && checkdigits::IsValidNip(*digits)) return;
    std::vector<std::string> arguments = named;
    arguments.push_back(mazovia::ToUtf8(taxId));
    place.Note(FindingKind::Customers, kTaxIdField, Text::TaxIdRule, {Text::TaxIdCheck, arguments});
}

void CheckBankAccount(const RecordPlace& place, std::string_view account, const std::vector<std::string>& named,
                      Language language) {
    if (account.empty()) return;
    const auto digits = checkdigits::DigitsOf(account);
    std::vector<std::string> arguments = named;
    arguments.push_back(mazovia::ToUtf8(account));
    if (!digits || digits->size() != kNrbDigits) {
        const auto count = std::count_if(account.begin(), account.end(), [](char c) { return c >= '0' && c <= '9'; });
        arguments.push_back(Counted(language, count, Noun::Digit));
        place.Note(FindingKind::Customers, kBankAccountField, Text::BankDigitsRule, {Text::BankDigits, arguments});
    } else if (!checkdigits::IsValidNrb(*digits)) {
        place.Note(FindingKind::Customers, kBankAccountField, Text::BankAccountRule, {Text::BankAccountCheck, arguments});
    }
}

}  // namespace

void CheckCustomerNumbers(const RecordPlace& place, const CustomerNumbers& numbers, const std::string& customer,
                          const std::string& name, Language language) {
    const std::vector<std::string> named = {customer, name};
    // A name that fills its field lost what followed: a word cut, or the digits that began the
    // number went into the name.
    if (numbers.bank.size() == teta::kAccountFields[kBankField].width)
        place.Note(FindingKind::Customers, kBankField, Text::BankNameRule,
                   {Text::BankName, {customer, name, mazovia::ToUtf8(numbers.bank),
                                     Counted(language, teta::kAccountFields[kBankField].width, Noun::Character)}});
    CheckBankAccount(place, numbers.bankAccount, named, language);
    CheckTaxId(place, numbers.taxId, named);
}

}  // namespace klarvo::check
