#include "bench/direct_writer.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>
#include <stdexcept>

#include "hostsim/company/calendar.h"
#include "hostsim/text/text_cleanup.h"
#include "hostsim/text/text_file.h"
#include "src/export/address_split.h"
#include "src/host/mazovia.h"
#include "src/host/records.h"
#include "src/teta/format.h"

namespace klarvo::bench {
namespace {

namespace k4 = host::k4;

class File {
public:
    explicit File(const std::filesystem::path& path) : stream_(sim::OpenTextFile(path)) {
        if (!stream_) throw std::runtime_error(path.string() + ": cannot be written");
    }
    ~File() { std::fclose(stream_); }
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    std::FILE* Stream() { return stream_; }

private:
    std::FILE* stream_;
};

// A line in one piece, as the simulated host writes them.
void PrintFormatted(std::FILE* stream, const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    const int written = sim::WriteFormatted(stream, format, arguments);
    va_end(arguments);
    if (written < 0) throw std::runtime_error("the direct writer's file could not be written");
}

// A line in its format, the arguments seen to match it at compile time, as the plug-in's are.
template <const teta::BuiltFormat& Format, class... Arguments>
void Print(std::FILE* stream, Arguments... arguments) {
    teta::PrintInFormat<Format>([&](const char* format, auto... checked) { PrintFormatted(stream, format, checked...); },
                                arguments...);
}

// YYYYMMDD as YYYY-MM-DD.
void DashedDate(const std::string& date, char (&out)[11]) {
    std::snprintf(out, sizeof out, "%.4s-%.2s-%.2s", date.c_str(), date.c_str() + 4, date.c_str() + 6);
}

// One mark per customer number 1 to 65999: companies in [0], natural persons in [1].
using Marks = std::vector<std::vector<bool>>;

void Mark(Marks& marks, std::int32_t customer) {
    if (customer > 0 && customer < 66000) marks[0][customer] = true;
    if (customer < 0 && customer > -66000) marks[1][-customer] = true;
}

// The register token of a posting on the credit side: its letter, the mark and the register.
std::string RegisterToken(char letter) { return std::string{letter, teta::kRegisterTokenMark} + teta::kSalesRegister; }

void WriteRegister(const sim::Company& company, const Period& period, Marks& marks, const std::filesystem::path& path) {
    const std::string netToken = RegisterToken('N'), vatToken = RegisterToken('V');
    File file(path);
    char today[11];
    DashedDate(period.today, today);
    Print<teta::kRegisterHeaderFormat>(file.Stream(), today);
    for (const sim::Document& document : company.documents) {
        const std::string date = document.date;
        if (document.included == 0 || date.empty() || date < period.from || date > period.to) continue;
        const std::int32_t customer = document.customer;
        Mark(marks, customer);
        char account[32], documentDate[11], dueDate[11] = "";
        std::snprintf(account, teta::kAccountLength + 1, "201-%04d", static_cast<int>(customer));
        DashedDate(date, documentDate);
        const std::int16_t days = document.paymentDays;
        const std::string due = days > 0 ? sim::FormatHostDate(sim::AddDays(*sim::ParseHostDate(date), days)) : date;
        DashedDate(due, dueDate);
        const char* number = document.number.c_str();
        const double gross = document.amounts[2] / 10000, net = document.amounts[0] / 10000, vat = document.amounts[1] / 10000;
        const auto posted = [](double amount) { return amount <= -0.00001 || amount >= 0.00001; };
        if (posted(gross))
            Print<teta::kPostingRecordFormat>(file.Stream(), account, gross, 0.0, number, documentDate, dueDate, documentDate,
                                              "", documentDate, "Sprzedaż"_mz);
        if (posted(net))
            Print<teta::kPostingRecordFormat>(file.Stream(), "731-1", 0.0, net, number, documentDate, dueDate, documentDate,
                                              netToken.c_str(), documentDate, "Netto");
        if (posted(vat))
            Print<teta::kPostingRecordFormat>(file.Stream(), "221-2", 0.0, vat, number, documentDate, dueDate, documentDate,
                                              vatToken.c_str(), documentDate, "Vat");
    }
}

// A text of the customer record, tidied as the host tidies it, then without the separator Ź.
struct Text {
    char text[256];
    Text(std::string_view from, void (*tidy)(char*)) {
        const std::size_t length = std::min<std::size_t>(from.size(), 255);
        std::memcpy(text, from.data(), length);
        text[length] = '\0';
        if (tidy) tidy(text);
        for (char* c = text; *c; ++c)
            if (*c == "Ź"_mz[0]) *c = 'Z';
    }
};

// An account number longer than its field loses its blanks.
void DropBlanksBeyondWidth(char* text) {
    if (std::strlen(text) > teta::kAccountFields[teta::kBankAccountField].width) *std::remove(text, text + std::strlen(text), ' ') = '\0';
}

void WriteAccount(std::FILE* file, const char* customer) {
    const exporting::AddressParts address = exporting::SplitAddress(host::BoundedText(customer, k4::kAddress));
    const exporting::DigitSplit bank = exporting::SplitAtFirstDigit(host::BoundedText(customer, k4::kBankAccount));
    Print<teta::kAccountRecordFormat>(
        file, host::ReadField<std::int32_t>(customer, k4::kNumber), Text(host::BoundedText(customer, k4::kShortName), nullptr).text,
        Text(host::BoundedText(customer, k4::kName), &sim::CleanName).text, Text(address.postcode, &sim::CleanAddressPart).text,
        Text(address.city, &sim::CleanAddressPart).text, Text(address.street, &sim::CleanAddressPart).text,
        Text(bank.leading, nullptr).text, Text(bank.digits, &DropBlanksBeyondWidth).text,
        Text(host::BoundedText(customer, k4::kTaxId), nullptr).text, host::ReadField<double>(customer, k4::kCreditLimit),
        host::ReadField<double>(customer, k4::kDiscount));
}

void WriteAccounts(const sim::Company& company, const Marks& marks, const std::filesystem::path& path) {
    File file(path);
    Print<teta::kOneTextLine>(file.Stream(), teta::kAccountsHeader.text);
    // Companies in ascending order, then natural persons by ascending absolute number.
    for (const int sign : {+1, -1})
        for (std::int32_t i = 1; i < 66000; ++i) {
            if (!marks[sign > 0 ? 0 : 1][i]) continue;
            const auto found = company.customerByNumber.find(sign * i);
            if (found != company.customerByNumber.end()) WriteAccount(file.Stream(), company.customers[found->second].data());
        }
}

}  // namespace

void WriteDirectly(const sim::Company& company, const Period& period, const std::filesystem::path& folder) {
    Marks marks(2, std::vector<bool>(66000));
    WriteRegister(company, period, marks, folder / teta::kRegisterFileName);
    WriteAccounts(company, marks, folder / teta::kAccountsFileName);
}

}  // namespace klarvo::bench
