#include "register_check.h"

#include <map>
#include <vector>

#include "fields.h"
#include "host/mazovia.h"
#include "lines.h"

namespace klarvo::check {
namespace {

constexpr char kSeparator = "■"_mz[0];
constexpr char kAccountsSeparator = "Ź"_mz[0];
constexpr std::size_t kFieldCount = 29;
constexpr std::size_t kAccountLength = 12;

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

const std::string kHeaderRule = "the header line is not \"SP■    ■YYYY-MM-DD■\" with a real date";

// A record of this file, as findings name it.
RecordPlace PlaceOf(const std::string& file, std::int64_t line, Findings& findings) {
    return {file, line, findings, [](std::size_t field) { return kFieldNames[field]; }};
}

// The records of one document stand together: its sums are checked when the next one starts.
struct OpenDocument {
    DocumentKey key;
    std::int64_t debit = 0, credit = 0;
    std::int64_t line = 0;  // of its first posting
};

bool IsRegisterHeader(std::string_view line) {
    const std::vector<std::string_view> fields = SplitFields(line, kSeparator);
    return fields.size() == 4 && fields[0] == "SP" && fields[1] == "    " && fields[3].empty() && IsDate(fields[2]);
}

class RegisterReader {
public:
    RegisterReader(const std::string& file, Findings& findings, const RegisterContext& context, const RowSink& rows,
                   const std::function<void(const DocumentKey&)>& documents, RegisterContent& content)
        : file_(file), findings_(findings), context_(context), rows_(rows), documents_(documents), content_(content) {}

    void Record(const Line& line);
    void Close();

private:
    void CheckFields(const RecordPlace& place, const std::vector<std::string_view>& fields);
    void CheckCustomer(const RecordPlace& place, std::string_view account);
    void Balance(const OpenDocument& document);

    const std::string& file_;
    Findings& findings_;
    const RegisterContext& context_;
    const RowSink& rows_;
    const std::function<void(const DocumentKey&)>& documents_;
    RegisterContent& content_;
    std::optional<OpenDocument> open_;
};

void RegisterReader::Balance(const OpenDocument& document) {
    if (document.debit != document.credit) {
        const std::string text = "document " + mazovia::ToUtf8(document.key.number) + " of " + document.key.date +
                                 ": debits " + Money(document.debit) + " and credits " + Money(document.credit) + " differ";
        findings_.Fault({FindingKind::Balance, "a document whose debits and credits differ", file_, document.line, "", text});
    }
    if (context_.earlier && context_.earlier->count(document.key)) {
        const std::string text = "document " + mazovia::ToUtf8(document.key.number) + " of " + document.key.date +
                                 " was exported before: importing it again books it twice";
        findings_.Fault({FindingKind::Repeats, "a document that an earlier export holds already", file_, document.line,
                         "", text});
    }
    if (documents_) documents_(document.key);
}

void RegisterReader::CheckCustomer(const RecordPlace& place, std::string_view account) {
    if (account.size() == kAccountLength)
        place.Note(FindingKind::Customers, 0, "an account of exactly 12 characters: it may have been cut",
                   "the account " + mazovia::ToUtf8(account) + " fills all 12 characters and may have been cut");
    if (!context_.accounts) return;
    const auto customer = CustomerOfAccount(account, context_.scheme);
    if (!customer || context_.accounts->numbers.Has(*customer)) return;
    const std::string posting = "a posting to " + mazovia::ToUtf8(account) + " (customer " + std::to_string(*customer) + ")";
    if (CustomerSet::InRange(*customer))
        place.Fault(FindingKind::Customers, 0, "a posting to a customer with no record in the customer accounts file",
                    posting + ": the customer accounts file holds no record of this customer");
    else
        place.Note(FindingKind::Customers, 0, "a posting to customer 0 or to a customer the host does not mark",
                   posting + ": no customer of the host has this number, so no account record is written for it");
}

void RegisterReader::CheckFields(const RecordPlace& place, const std::vector<std::string_view>& fields) {
    if (fields[0].size() != 15 || fields[0][0] == ' ' || Trimmed(fields[0]).size() > kAccountLength)
        place.Fault(FindingKind::Structure, 0, "not an account of 1 to 12 characters padded to 15");
    for (const std::size_t index : {4, 5, 6, 8})
        if (!IsDate(fields[index])) place.Fault(FindingKind::Structure, index, "not a real date YYYY-MM-DD");
    for (const std::size_t index : {6, 8})
        if (fields[index] != fields[4]) place.Fault(FindingKind::Structure, index, "not the document date");
    if (IsDate(fields[4]) && IsDate(fields[5]) && fields[5] < fields[4])
        place.Fault(FindingKind::Structure, 5, "a due date before the document date");
    if (fields[9].size() > 30) place.Fault(FindingKind::Structure, 9, "a description longer than 30 characters");
    for (const auto& [index, expected] : kConstants)
        if (fields[index] != expected)
            place.Fault(FindingKind::Structure, index, "not the constant \"" + std::string(expected) + "\"");
    for (const std::size_t index : {0, 3, 7, 9})
        if (const std::string strange = StrangeCharacter(fields[index]); !strange.empty())
            place.Fault(FindingKind::Characters, index, "a character that is no letter or sign of Polish text", strange);
}

void RegisterReader::Record(const Line& line) {
    const RecordPlace place = PlaceOf(file_, line.number, findings_);
    const std::vector<std::string_view> fields = SplitFields(line.text, kSeparator);
    if (fields.size() != kFieldCount + 1 || !fields.back().empty()) {
        findings_.Fault({FindingKind::Structure, "a posting record without its 29 fields", file_, line.number, "",
                         std::to_string(fields.size() - (fields.back().empty() ? 1 : 0)) +
                             " fields, each followed by the separator, where a posting record has 29"});
        return;
    }
    ++content_.postings;
    CheckFields(place, fields);
    const auto debit = Hundredths(fields[1], 9), credit = Hundredths(fields[2], 9);
    for (const auto& [index, amount] : {std::pair{std::size_t{1}, debit}, std::pair{std::size_t{2}, credit}})
        if (!amount) place.Fault(FindingKind::Structure, index, "not an amount written with \"%9.2f\"");
    const std::string_view token = fields[7];
    if (token.size() != 7 || (token != "       " && token.substr(1) != "|2200 "))
        place.Fault(FindingKind::Structure, 7, "neither seven blanks nor a letter and \"|2200 \"");
    else if (token != "       " && credit == 0)
        place.Fault(FindingKind::Structure, 7, "a register token on a posting without a credit amount");
    CheckCustomer(place, Trimmed(fields[0]));

    DocumentKey key{std::string(fields[3]), std::string(fields[4])};
    if (!open_ || open_->key != key) {
        if (open_) Balance(*open_);
        open_ = OpenDocument{std::move(key), 0, 0, line.number};
        ++content_.documents;
        if (IsDate(fields[4])) {
            const std::string date(fields[4]);
            if (content_.firstDate.empty() || date < content_.firstDate) content_.firstDate = date;
            if (content_.lastDate.empty() || date > content_.lastDate) content_.lastDate = date;
        }
    }
    open_->debit += debit.value_or(0);
    open_->credit += credit.value_or(0);
    content_.debit += debit.value_or(0);
    content_.credit += credit.value_or(0);
    if (rows_)
        rows_({std::string(Trimmed(fields[0])), std::string(Trimmed(fields[1])), std::string(Trimmed(fields[2])),
               std::string(fields[3]), std::string(fields[4]), std::string(fields[5]), std::string(Trimmed(fields[7])),
               std::string(fields[9])});
}

void RegisterReader::Close() {
    if (open_) Balance(*open_);
    open_.reset();
}

}  // namespace

RegisterContent CheckRegister(std::istream& in, const std::string& file, Findings& findings,
                              const RegisterContext& context, const RowSink& rows,
                              const std::function<void(const DocumentKey&)>& documents) {
    RegisterContent content;
    LineReader lines(in, file, findings);
    Line line;
    if (!lines.Next(line)) {
        findings.Fault({FindingKind::Structure, "the file is empty: it has no header line", file, 0, "",
                        "the file is empty: it has no header line"});
        return content;
    }
    RegisterReader reader(file, findings, context, rows, documents, content);
    if (IsRegisterHeader(line.text)) {
        content.runDate = SplitFields(line.text, kSeparator)[2];
    } else {
        Line second;
        const bool records = lines.Next(second) && SplitFields(second.text, kSeparator).size() == kFieldCount + 1;
        if (!records) {
            const bool accounts = line.text.find(kAccountsSeparator) != std::string::npos && line.text.find(kSeparator) == std::string::npos;
            const std::string rule = accounts ? "this is the customer accounts file, given where the sales register "
                                                "belongs (are the two files swapped?)"
                                              : "this is no Teta sales register file: its first line is not "
                                                "\"SP■    ■YYYY-MM-DD■\"";
            findings.Fault({FindingKind::Files, rule, file, 0, "", rule});
            content.foreign = true;
            return content;
        }
        findings.Fault({FindingKind::Structure, kHeaderRule, file, 1, "", kHeaderRule});
        reader.Record(second);
    }
    while (lines.Next(line)) reader.Record(line);
    reader.Close();
    return content;
}

}  // namespace klarvo::check
