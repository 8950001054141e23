#include "company.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>

#include "csv.h"
#include "host/mazovia.h"
#include "host/records.h"

namespace klarvo::sim {
namespace {

namespace k4 = host::k4;
namespace tspr = host::tspr;

// Where a bad value stands, for the message.
struct Cell {
    const std::string& file;
    int line;
    const std::string& column;
    const std::string& text;

    [[noreturn]] void Reject(const std::string& why) const {
        throw std::runtime_error(file + ", line " + std::to_string(line) + ", column " + column +
                                 ": \"" + text + "\" " + why);
    }
};

template <class Integer>
Integer ParseInteger(const Cell& cell) {
    Integer value{};
    const char* end = cell.text.data() + cell.text.size();
    const auto [stop, error] = std::from_chars(cell.text.data(), end, value);
    if (error == std::errc::result_out_of_range) cell.Reject("does not fit the record field");
    if (error != std::errc() || stop != end) cell.Reject("is not a whole number");
    return value;
}

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

void PutText(std::vector<char>& record, std::size_t offset, std::size_t capacity, const Cell& cell) {
    std::string bytes;
    try {
        bytes = mazovia::FromUtf8(cell.text);
    } catch (const std::invalid_argument&) {
        cell.Reject("holds a character that the host's code page lacks");
    }
    if (bytes.size() + 1 > capacity)
        cell.Reject("is longer than the " + std::to_string(capacity - 1) + " characters of its field");
    std::copy(bytes.begin(), bytes.end(), record.begin() + static_cast<std::ptrdiff_t>(offset));
}

template <class T>
void PutValue(std::vector<char>& record, std::size_t offset, T value) {
    std::memcpy(record.data() + offset, &value, sizeof value);
}

using ColumnReader = std::function<void(std::vector<char>& record, const Cell& cell)>;

ColumnReader Text(std::size_t offset, std::size_t end) {
    return [=](std::vector<char>& r, const Cell& c) { PutText(r, offset, end - offset, c); };
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error(path.string() + ": cannot be read");
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// Reads every row of a table file; each named column fills its part of the row's record.
template <class RowDone>
void ReadTable(const std::filesystem::path& path, const std::map<std::string, ColumnReader>& columns,
               const std::vector<std::string>& required, RowDone rowDone) {
    const std::string file = path.filename().string();
    const CsvTable table = ParseCsv(ReadFile(path), file);
    for (const std::string& name : table.header)
        if (!columns.count(name)) throw std::runtime_error(file + ", line 1: unknown column \"" + name + "\"");
    for (const std::string& name : required)
        if (std::find(table.header.begin(), table.header.end(), name) == table.header.end())
            throw std::runtime_error(file + ", line 1: the required column \"" + name + "\" is missing");
    for (const CsvRow& row : table.rows) {
        std::map<std::string, const std::string*> present;
        for (std::size_t i = 0; i < table.header.size(); ++i) present[table.header[i]] = &row.fields[i];
        for (const std::string& name : required)
            if (present[name]->empty()) {
                const Cell cell{file, row.line, name, *present[name]};
                cell.Reject("is empty, and the column is required");
            }
        rowDone(row.line, [&](std::vector<char>& record) {
            for (const auto& [name, text] : present)
                if (!text->empty()) columns.at(name)(record, Cell{file, row.line, name, *text});
        });
    }
}

void LoadCustomers(const std::filesystem::path& folder, Company& company) {
    const std::map<std::string, ColumnReader> columns = {
        {"number", [](std::vector<char>& r, const Cell& c) {
             const auto number = ParseInteger<std::int32_t>(c);
             if (number == 0) c.Reject("is not a customer number (0 means none)");
             PutValue(r, k4::kNumber, number);
         }},
        {"short_name", Text(k4::kShortName, k4::kName)},
        {"name", Text(k4::kName, k4::kAddress)},
        {"address", Text(k4::kAddress, k4::kTaxId)},
        {"tax_id", Text(k4::kTaxId, k4::kBankAccount)},
        {"bank_account", Text(k4::kBankAccount, k4::kCreditLimit)},
        {"credit_limit", [](std::vector<char>& r, const Cell& c) { PutValue(r, k4::kCreditLimit, ParseDouble(c)); }},
        {"discount", [](std::vector<char>& r, const Cell& c) { PutValue(r, k4::kDiscount, ParseDouble(c)); }},
    };
    ReadTable(folder / "customers.csv", columns, {"number"}, [&](int line, auto fill) {
        std::vector<char> record(k4::kRecordLength, '\0');
        fill(record);
        const auto number = host::ReadField<std::int32_t>(record.data(), k4::kNumber);
        if (!company.customerByNumber.emplace(number, company.customers.size()).second)
            throw std::runtime_error("customers.csv, line " + std::to_string(line) + ", column number: customer " +
                                     std::to_string(number) + " is there twice");
        company.customers.push_back(std::move(record));
    });
}

void LoadDocuments(const std::filesystem::path& folder, Company& company) {
    std::map<std::string, ColumnReader> columns = {
        {"number", Text(tspr::kNumber, tspr::kDate)},
        {"date", [](std::vector<char>& r, const Cell& c) { PutText(r, tspr::kDate, 9, Cell{c.file, c.line, c.column, ParseDate(c)}); }},
        {"payment_days", [](std::vector<char>& r, const Cell& c) { PutValue(r, tspr::kPaymentDays, ParseInteger<std::int16_t>(c)); }},
        {"customer", [](std::vector<char>& r, const Cell& c) { PutValue(r, tspr::kCustomer, ParseInteger<std::int32_t>(c)); }},
        {"included", [](std::vector<char>& r, const Cell& c) {
             const auto included = ParseInteger<std::int32_t>(c);
             if (included != 0 && included != 1) c.Reject("is neither 0 nor 1");
             PutValue(r, tspr::kIncluded, included);
         }},
    };
    // Amounts go beside the record; the row's amounts are collected here while it is read.
    std::array<double, kDocumentAmountCount> amounts{};
    for (int code = 1; code <= kDocumentAmountCount; ++code)
        columns["amount_" + std::to_string(code)] = [&amounts, code](std::vector<char>&, const Cell& c) {
            amounts[code - 1] = ParseTenThousandths(c);
        };
    ReadTable(folder / "documents.csv", columns, {}, [&](int, auto fill) {
        Document document{std::vector<char>(tspr::kRecordLength, '\0'), {}};
        PutValue(document.record, tspr::kIncluded, std::int32_t{1});
        amounts.fill(0);
        fill(document.record);
        document.amounts = amounts;
        company.documents.push_back(std::move(document));
    });
}

}  // namespace

Company LoadCompany(const std::filesystem::path& folder) {
    if (!std::filesystem::is_directory(folder))
        throw std::runtime_error(folder.string() + ": no such company folder");
    Company company;
    LoadCustomers(folder, company);
    LoadDocuments(folder, company);
    return company;
}

}  // namespace klarvo::sim
