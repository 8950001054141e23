#include "hostsim/company/company.h"

#include <chrono>
#include <cmath>
#include <cstring>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>

#include "hostsim/company/calendar.h"
#include "hostsim/company/table_file.h"
#include "src/host/mazovia.h"
#include "src/host/records.h"

namespace klarvo::sim {
namespace {

namespace k4 = host::k4;
namespace tspr = host::tspr;

// A decimal amount in currency units with up to 4 decimals, as ten-thousandths, exactly.
double ParseTenThousandths(const Cell& cell) {
    const std::string& text = cell.text;
    const bool negative = !text.empty() && text[0] == '-';
    const std::size_t start = negative ? 1 : 0;
    const std::size_t point = text.find('.');
    const std::string whole = text.substr(start, point == std::string::npos ? std::string::npos : point - start);
    std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
    if (whole.empty() || fraction.size() > 4 || (point != std::string::npos && fraction.empty()))
        cell.Reject("is not an amount with at most 4 decimals");
    if ((whole + fraction).find_first_not_of("0123456789") != std::string::npos)
        cell.Reject("is not an amount with at most 4 decimals");
    fraction.resize(4, '0');
    if (whole.size() > 14) cell.Reject("is too large an amount");
    const long long units = std::stoll(whole) * 10000 + std::stoll(fraction);
    return static_cast<double>(negative ? -units : units);
}

double ParseDouble(const Cell& cell) {
    std::istringstream in(cell.text);
    in.imbue(std::locale::classic());
    double value = 0;
    if (!(in >> value) || !in.eof() || !std::isfinite(value)) cell.Reject("is not a number");
    return value;
}

// YYYY-MM-DD, a real date, as the host's YYYYMMDD.
std::string ParseDate(const Cell& cell) {
    const std::string& t = cell.text;
    if (t.size() != 10 || t[4] != '-' || t[7] != '-') cell.Reject("is not a date YYYY-MM-DD");
    for (const int i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (t[i] < '0' || t[i] > '9') cell.Reject("is not a date YYYY-MM-DD");
    const std::chrono::year_month_day date{std::chrono::year{std::stoi(t.substr(0, 4))},
                                           std::chrono::month{unsigned(std::stoi(t.substr(5, 2)))},
                                           std::chrono::day{unsigned(std::stoi(t.substr(8, 2)))}};
    if (!date.ok()) cell.Reject("is not a real date");
    return t.substr(0, 4) + t.substr(5, 2) + t.substr(8, 2);
}

void LoadCustomers(const std::filesystem::path& folder, Company& company) {
    const std::map<std::string, ColumnReader<Record>> columns = {
        {"number", [](Record& r, const Cell& c) {
             const auto number = ParseInteger<std::int32_t>(c);
             if (number == 0) c.Reject("is not a customer number (0 means none)");
             PutValue(r, k4::kNumber, number);
         }},
        {"short_name", Text(k4::kShortName)},
        {"name", Text(k4::kName)},
        {"address", Text(k4::kAddress)},
        {"tax_id", Text(k4::kTaxId)},
        {"bank_account", Text(k4::kBankAccount)},
        {"credit_limit", [](Record& r, const Cell& c) { PutValue(r, k4::kCreditLimit, ParseDouble(c)); }},
        {"discount", [](Record& r, const Cell& c) { PutValue(r, k4::kDiscount, ParseDouble(c)); }},
    };
    ReadTable(folder / "customers.csv", columns, {"number"}, [&](int line, const auto& fill) {
        Record record(k4::kRecordLength, '\0');
        fill(record);
        const auto number = host::ReadField<std::int32_t>(record.data(), k4::kNumber);
        if (!company.customerByNumber.emplace(number, company.customers.size()).second)
            throw std::runtime_error("customers.csv, line " + std::to_string(line) + ", column number: customer " +
                                     std::to_string(number) + " is there twice");
        company.customers.push_back(std::move(record));
    });
}

void LoadDocuments(const std::filesystem::path& folder, Company& company) {
    std::map<std::string, ColumnReader<Document>> columns = {
        {"number", [](Document& d, const Cell& c) { d.number = HostText(c, tspr::kNumber.room); }},
        {"date", [](Document& d, const Cell& c) { std::memcpy(d.date, ParseDate(c).c_str(), sizeof d.date); }},
        {"payment_days", [](Document& d, const Cell& c) { d.paymentDays = ParseInteger<std::int16_t>(c); }},
        {"customer", [](Document& d, const Cell& c) { d.customer = ParseInteger<std::int32_t>(c); }},
        {"included", [](Document& d, const Cell& c) {
             d.included = ParseInteger<std::int32_t>(c);
             if (d.included != 0 && d.included != 1) c.Reject("is neither 0 nor 1");
         }},
    };
    for (int code = 1; code <= kDocumentAmountCount; ++code)
        columns["amount_" + std::to_string(code)] = [code](Document& d, const Cell& c) {
            d.amounts[code - 1] = ParseTenThousandths(c);
        };
    ReadTable(folder / "documents.csv", columns, {}, [&](int line, const auto& fill) {
        Document document;
        fill(document);
        // The host's dates end with 9999-12-31; a due date past it could not be held.
        if (const auto date = ParseHostDate(document.date); date && document.paymentDays > 0 &&
                                                             AddDays(*date, document.paymentDays).year > kLastYear)
            throw std::runtime_error("documents.csv, line " + std::to_string(line) + ", column payment_days: " +
                                     std::to_string(document.paymentDays) + " days after " + document.date +
                                     " lies past 9999-12-31, the last date of the host");
        company.documents.push_back(std::move(document));
    });
}

}  // namespace

void Document::PutInto(char* record) const {
    std::memset(record + tspr::kNumber.offset, 0, tspr::kNumber.room);
    std::memcpy(record + tspr::kNumber.offset, number.data(), number.size());
    std::memcpy(record + tspr::kDate.offset, date, sizeof date);
    std::memcpy(record + tspr::kPaymentDays.offset, &paymentDays, sizeof paymentDays);
    std::memcpy(record + tspr::kCustomer.offset, &customer, sizeof customer);
    std::memcpy(record + tspr::kIncluded.offset, &included, sizeof included);
}

Company LoadCompany(const std::filesystem::path& folder) {
    if (!std::filesystem::is_directory(folder))
        throw std::runtime_error(folder.string() + ": no such company folder");
    Company company;
    LoadCustomers(folder, company);
    LoadDocuments(folder, company);
    return company;
}

}  // namespace klarvo::sim
