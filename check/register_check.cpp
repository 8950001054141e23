#include "register_check.h"

#include <map>
#include <vector>

#include "fields.h"
#include "file_header.h"
#include "host/mazovia.h"
#include "lines.h"
#include "teta/format.h"

namespace klarvo::check {
namespace {

using teta::kAccountLength;
constexpr char kSeparator = teta::kRegisterSeparator;
constexpr std::size_t kFieldCount = teta::kPostingFieldCount;

// The fields with a name; the others are named by their number.
const Text kFieldNames[] = {
    Text::FieldAccount,       Text::FieldDebit,         Text::FieldCredit,     Text::FieldDocumentNumber,
    Text::FieldDocumentDate,  Text::FieldDueDate,       Text::FieldDocumentDate7, Text::FieldRegisterToken,
    Text::FieldDocumentDate9, Text::FieldDescription,
};

// The fields that are the same in every record.
const std::map<std::size_t, std::string_view> kConstants = {
    {10, "FA"},           {11, "   "},          {12, "PLN"},          {13, " "}, {14, " "},
    {15, "000000000,00"}, {16, "000000000,00"}, {17, " "},            {18, " "}, {19, " "},
    {20, " "},            {21, "000000000000"}, {22, "00000,000000"}, {23, " "}, {24, " "},
    {25, " "},            {26, " "},            {27, " "},            {28, " "},
};

// A record of this file, as findings name it.
RecordPlace PlaceOf(const std::string& file, std::int64_t line, Findings& findings) {
    return {file, line, findings, [](std::size_t field) {
                return field < std::size(kFieldNames) ? Message(kFieldNames[field])
                                                      : Message(Text::FieldNumber, {std::to_string(field + 1)});
            }};
}

// The records of one document stand together: its sums are checked when the next one starts.
struct OpenDocument {
    DocumentKey key;
    std::int64_t debit = 0, credit = 0;
    std::int64_t line = 0;  // of its first posting
};

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
    const Language language = findings_.language();
    const std::string number = mazovia::ToUtf8(document.key.number), date = Date(language, document.key.date);
    if (document.debit != document.credit)
        findings_.Fault(FindingKind::Balance, file_, document.line, Text::UnbalancedRule,
                        Message{Text::Unbalanced,
                                {number, date, Amount(language, document.debit), Amount(language, document.credit)}});
    if (context_.earlier && context_.earlier->count(document.key))
        findings_.Fault(FindingKind::Repeats, file_, document.line, Text::RepeatRule,
                        Message{Text::Repeat, {number, date}});
    if (documents_) documents_(document.key);
}

void RegisterReader::CheckCustomer(const RecordPlace& place, std::string_view account) {
    if (account.size() == kAccountLength)
        place.Note(FindingKind::Customers, 0, Text::FullAccountRule, {Text::FullAccount, {mazovia::ToUtf8(account)}});
    if (!context_.accounts) return;
    const auto customer = CustomerOfAccount(account, context_.scheme);
    if (!customer || context_.accounts->numbers.Has(*customer)) return;
    const std::vector<std::string> posting = {mazovia::ToUtf8(account), std::to_string(*customer)};
    if (CustomerSet::InRange(*customer))
        place.Fault(FindingKind::Customers, 0, Text::NoRecordRule, Message{Text::NoRecord, posting});
    else
        place.Note(FindingKind::Customers, 0, Text::UnmarkedRule, {Text::Unmarked, posting});
}

void RegisterReader::CheckFields(const RecordPlace& place, const std::vector<std::string_view>& fields) {
    if (fields[0].size() != teta::kAccountWidth || fields[0][0] == ' ' || Trimmed(fields[0]).size() > kAccountLength)
        place.Fault(FindingKind::Structure, 0, Text::NotAnAccount);
    for (const std::size_t index : {4, 5, 6, 8})
        if (!IsDate(fields[index])) place.Fault(FindingKind::Structure, index, Text::NotADate);
    for (const std::size_t index : {6, 8})
        if (fields[index] != fields[4]) place.Fault(FindingKind::Structure, index, Text::NotTheDocumentDate);
    if (IsDate(fields[4]) && IsDate(fields[5]) && fields[5] < fields[4])
        place.Fault(FindingKind::Structure, 5, Text::DueBeforeDocument);
    if (fields[9].size() > teta::kDescriptionLength) place.Fault(FindingKind::Structure, 9, Text::LongDescription);
    for (const auto& [index, expected] : kConstants)
        if (fields[index] != expected)
            place.Fault(FindingKind::Structure, index, {Text::NotTheConstant, {std::string(expected)}});
    for (const std::size_t index : {0, 3, 7, 9})
        if (const auto strange = StrangeCharacter(fields[index]))
            place.Fault(FindingKind::Characters, index, Text::StrangeCharacterRule, strange);
}

void RegisterReader::Record(const Line& line) {
    const RecordPlace place = PlaceOf(file_, line.number, findings_);
    const std::vector<std::string_view> fields = SplitFields(line.text, kSeparator);
    if (fields.size() != kFieldCount + 1 || !fields.back().empty()) {
        findings_.Fault(FindingKind::Structure, file_, line.number, Text::PostingFieldsRule,
                        Message{Text::PostingFields, {std::to_string(fields.size() - (fields.back().empty() ? 1 : 0))}});
        return;
    }
    ++content_.postings;
    CheckFields(place, fields);
    const auto debit = Hundredths(fields[1], 9), credit = Hundredths(fields[2], 9);
    for (const auto& [index, amount] : {std::pair{std::size_t{1}, debit}, std::pair{std::size_t{2}, credit}})
        if (!amount) place.Fault(FindingKind::Structure, index, {Text::NotAnAmount, {"%9.2f"}});
    const std::string_view token = fields[7];
    if (token.size() != 7 || (token != "       " && token.substr(1) != "|2200 "))
        place.Fault(FindingKind::Structure, 7, Text::NotAToken);
    else if (token != "       " && credit == 0)
        place.Fault(FindingKind::Structure, 7, Text::TokenWithoutCredit);
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
    const FileHeader header = ReadFileHeader(lines, TetaFile::SalesRegister, file, findings);
    content.foreign = header.foreign;
    if (!header.readOn) return content;
    RegisterReader reader(file, findings, context, rows, documents, content);
    if (header.header) content.runDate = SplitFields(header.header->text, kSeparator)[2];
    if (header.firstRecord) reader.Record(*header.firstRecord);
    Line line;
    while (lines.Next(line)) reader.Record(line);
    reader.Close();
    return content;
}

}  // namespace klarvo::check
