#include "register_check.h"

#include <map>
#include <unordered_map>
#include <vector>

#include "fields.h"
#include "host/mazovia.h"
#include "lines.h"

namespace klarvo::check {
namespace {

constexpr char kSeparator = "■"_mz[0];
constexpr std::size_t kFieldCount = 29;

const char* const kFieldNames[kFieldCount] = {
    "account", "debit", "credit", "document number", "document date", "due date", "document date (7)",
    "register token", "document date (9)", "description", "11", "12", "13", "14", "15", "16", "17", "18", "19",
    "20", "21", "22", "23", "24", "25", "26", "27", "28", "29",
};

// The fields that are the same in every record.
const std::map<std::size_t, std::string_view> kConstants = {
    {10, "FA"},           {11, "   "},          {12, "PLN"},          {13, " "}, {14, " "},
    {15, "000000000,00"}, {16, "000000000,00"}, {17, " "},            {18, " "}, {19, " "},
    {20, " "},            {21, "000000000000"}, {22, "00000,000000"}, {23, " "}, {24, " "},
    {25, " "},            {26, " "},            {27, " "},            {28, " "},
};

struct Place {
    const std::string& file;
    int line;
    Findings& findings;

    void Fault(FindingKind kind, std::size_t field, const std::string& text) const {
        findings.Fault(kind, file, line, std::to_string(field + 1) + " (" + kFieldNames[field] + ")", text);
    }
};

struct DocumentSums {
    std::int64_t debit = 0, credit = 0;
    int line = 0;  // of its first posting
    std::string number, date;
};

void CheckHeader(const Line& line, const std::string& file, Findings& findings, RegisterContent& content) {
    const std::vector<std::string_view> fields = SplitFields(line.text, kSeparator);
    if (fields.size() != 4 || fields[0] != "SP" || fields[1] != "    " || !fields[3].empty() || !IsDate(fields[2])) {
        findings.Fault(FindingKind::Structure, file, line.number, "",
                       "the header line is not \"SP■    ■YYYY-MM-DD■\" with a real date");
        return;
    }
    content.runDate = fields[2];
}

}  // namespace

RegisterContent CheckRegister(std::string_view bytes, const std::string& file, Findings& findings) {
    RegisterContent content;
    content.postings.columns = {"account", "debit", "credit", "document", "date", "due date", "token", "description"};
    const std::vector<Line> lines = SplitLines(bytes, file, findings);
    if (lines.empty()) {
        findings.Fault(FindingKind::Structure, file, 0, "", "the file is empty: it has no header line");
        return content;
    }
    CheckHeader(lines[0], file, findings, content);
    std::vector<DocumentSums> documents;
    std::unordered_map<std::string, std::size_t> documentIndex;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const Place place{file, lines[i].number, findings};
        const std::vector<std::string_view> fields = SplitFields(lines[i].text, kSeparator);
        if (fields.size() != kFieldCount + 1 || !fields.back().empty()) {
            findings.Fault(FindingKind::Structure, file, lines[i].number, "",
                           std::to_string(fields.size() - (fields.back().empty() ? 1 : 0)) +
                               " fields, each followed by the separator, where a posting record has 29");
            continue;
        }
        if (fields[0].size() != 15 || fields[0][0] == ' ' || Trimmed(fields[0]).size() > 12)
            place.Fault(FindingKind::Structure, 0, "not an account of 1 to 12 characters padded to 15");
        const auto debit = Hundredths(fields[1], 9), credit = Hundredths(fields[2], 9);
        for (const auto& [index, amount] : {std::pair{std::size_t{1}, debit}, std::pair{std::size_t{2}, credit}})
            if (!amount) place.Fault(FindingKind::Structure, index, "not an amount written with \"%9.2f\"");
        for (const std::size_t index : {4, 5, 6, 8})
            if (!IsDate(fields[index])) place.Fault(FindingKind::Structure, index, "not a real date YYYY-MM-DD");
        for (const std::size_t index : {6, 8})
            if (fields[index] != fields[4]) place.Fault(FindingKind::Structure, index, "not the document date");
        if (IsDate(fields[4]) && IsDate(fields[5]) && fields[5] < fields[4])
            place.Fault(FindingKind::Structure, 5, "a due date before the document date");
        const std::string_view token = fields[7];
        if (token.size() != 7 || (token != "       " && token.substr(1) != "|2200 "))
            place.Fault(FindingKind::Structure, 7, "neither seven blanks nor a letter and \"|2200 \"");
        else if (token != "       " && credit == 0)
            place.Fault(FindingKind::Structure, 7, "a register token on a posting without a credit amount");
        if (fields[9].size() > 30) place.Fault(FindingKind::Structure, 9, "a description longer than 30 characters");
        for (const auto& [index, expected] : kConstants)
            if (fields[index] != expected)
                place.Fault(FindingKind::Structure, index, "not the constant \"" + std::string(expected) + "\"");
        for (const std::size_t index : {0, 3, 7, 9})
            if (const std::string strange = StrangeCharacter(fields[index]); !strange.empty())
                place.Fault(FindingKind::Characters, index, strange);

        const std::string key = std::string(fields[3]) + '\n' + std::string(fields[4]);
        const auto [found, added] = documentIndex.try_emplace(key, documents.size());
        if (added) documents.push_back({0, 0, lines[i].number, std::string(fields[3]), std::string(fields[4])});
        documents[found->second].debit += debit.value_or(0);
        documents[found->second].credit += credit.value_or(0);
        content.debit += debit.value_or(0);
        content.credit += credit.value_or(0);
        content.postings.rows.push_back({std::string(Trimmed(fields[0])), std::string(Trimmed(fields[1])),
                                         std::string(Trimmed(fields[2])), std::string(fields[3]), std::string(fields[4]),
                                         std::string(fields[5]), std::string(Trimmed(fields[7])), std::string(fields[9])});
    }
    for (const DocumentSums& document : documents)
        if (document.debit != document.credit)
            findings.Fault(FindingKind::Balance, file, document.line, "",
                           "document " + mazovia::ToUtf8(document.number) + " of " + document.date + ": debits " +
                               Money(document.debit) + " and credits " + Money(document.credit) + " differ");
    content.documents = static_cast<std::int64_t>(documents.size());
    return content;
}

}  // namespace klarvo::check
