#include "check/register_check.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <unordered_map>
#include <vector>

#include "check/fields.h"
#include "check/file_header.h"
#include "check/lines.h"
#include "check/number_series.h"
#include "check/teta_records.h"
#include "src/host/mazovia.h"
#include "src/teta/format.h"

namespace klarvo::check {
namespace {

using teta::kAccountLength;
constexpr char kSeparator = teta::kRegisterSeparator;
constexpr std::size_t kFieldCount = teta::kPostingFieldCount;

// A record of a document part: its bytes hashed, its line and its amounts.
struct PartRecord {
    std::uint64_t hash;
    std::int64_t line, debit, credit;
};

// A run of records of one document, standing together; it ends where a record of another starts.
struct DocumentPart {
    DocumentKey key;
    std::int64_t debit = 0, credit = 0;
    std::int64_t line = 0, lastLine = 0;  // of its first and its last posting
    std::vector<PartRecord> records;

    bool Balanced() const { return debit == credit; }
    void Add(std::string_view record, std::int64_t at, std::int64_t recordDebit, std::int64_t recordCredit) {
        std::uint64_t hash = kHashStart;
        for (const char byte : record) hash = (hash ^ static_cast<unsigned char>(byte)) * kHashPrime;
        records.push_back({hash, at, recordDebit, recordCredit});
        debit += recordDebit;
        credit += recordCredit;
        lastLine = at;
    }
    // Its records, hashed in order.
    std::uint64_t Content() const {
        std::uint64_t content = kHashStart;
        for (const PartRecord& record : records) content = (content ^ record.hash) * kHashPrime;
        return content;
    }
    // The count of the first records that the rest repeat, copy after copy, each copy balanced on
    // its own: a document booked twice or more, back to back. Zero when the records repeat nothing.
    std::size_t RepeatedCopy() const {
        for (std::size_t copy = 1; copy <= records.size() / 2; ++copy) {
            if (records.size() % copy != 0) continue;
            bool repeats = true;
            for (std::size_t k = copy; k < records.size() && repeats; ++k) repeats = records[k].hash == records[k % copy].hash;
            std::int64_t copyDebit = 0, copyCredit = 0;
            for (std::size_t k = 0; k < copy; ++k) copyDebit += records[k].debit, copyCredit += records[k].credit;
            if (repeats && copyDebit == copyCredit) return copy;
        }
        return 0;
    }
    // The part cut to its first `count` records.
    DocumentPart First(std::size_t count) const {
        DocumentPart first{key, 0, 0, line, line, {}};
        for (std::size_t k = 0; k < count; ++k) {
            first.records.push_back(records[k]);
            first.debit += records[k].debit;
            first.credit += records[k].credit;
            first.lastLine = records[k].line;
        }
        return first;
    }

    static constexpr std::uint64_t kHashStart = 14695981039346656037ull, kHashPrime = 1099511628211ull;
};

// The first part of a document number that the register showed: a later part of the same number
// is a document booked twice (the same records), another document under the same number (a whole
// one, or another date), or the rest of a document split across the file.
struct SeenNumber {
    std::string date;
    std::int64_t line, lastLine;
    std::uint64_t content;
    bool whole;  // balanced on its own
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
    void EndPart(const DocumentPart& part);
    void Twice(const DocumentKey& key, std::int64_t line, const std::string& earlierLines, const std::string& lines);
    // "at line 6", "at lines 6–7"; named: "line 6", "lines 6–7".
    std::string Lines(std::int64_t from, std::int64_t to, bool named = false) const;
    void NewDocument(const DocumentPart& part);
    void Unbalanced(const DocumentPart& document);

    const std::string& file_;
    Findings& findings_;
    const RegisterContext& context_;
    const RowSink& rows_;
    const std::function<void(const DocumentKey&)>& documents_;
    RegisterContent& content_;
    std::optional<DocumentPart> open_;
    std::unordered_map<std::string, SeenNumber> seen_;  // by document number
    // Documents that do not balance so far: the rest of one may stand further down the file.
    std::map<DocumentKey, DocumentPart> unbalanced_;
    NumberSeries series_;
};

void RegisterReader::Unbalanced(const DocumentPart& document) {
    const Language language = findings_.language();
    findings_.Fault(FindingKind::Balance, file_, document.line, Text::UnbalancedRule,
                    Message{Text::Unbalanced, {mazovia::ToUtf8(document.key.number), Date(language, document.key.date),
                                               Amount(language, document.debit), Amount(language, document.credit),
                                               Amount(language, std::abs(document.debit - document.credit))}});
}

void RegisterReader::NewDocument(const DocumentPart& part) {
    ++content_.documents;
    series_.Add(part.key.number);
    if (IsDate(part.key.date)) {
        if (content_.firstDate.empty() || part.key.date < content_.firstDate) content_.firstDate = part.key.date;
        if (content_.lastDate.empty() || part.key.date > content_.lastDate) content_.lastDate = part.key.date;
    }
    if (!part.Balanced()) unbalanced_.emplace(part.key, part);
    if (context_.earlier)
        if (const auto earlier = context_.earlier->find(part.key); earlier != context_.earlier->end())
            findings_.Fault(FindingKind::Repeats, file_, part.line, Text::RepeatRule,
                            Message{Text::Repeat,
                                    {mazovia::ToUtf8(part.key.number), Date(findings_.language(), part.key.date), earlier->second}});
    if (documents_) documents_(part.key);
}

std::string RegisterReader::Lines(std::int64_t from, std::int64_t to, bool named) const {
    if (from == to) return findings_.Say({named ? Text::LineNamed : Text::AtLine, {std::to_string(from)}});
    return findings_.Say({named ? Text::LinesNamed : Text::AtLines, {std::to_string(from), std::to_string(to)}});
}

void RegisterReader::Twice(const DocumentKey& key, std::int64_t line, const std::string& earlierLines,
                           const std::string& lines) {
    findings_.Fault(FindingKind::Twice, file_, line, Text::TwiceRule,
                    Message{Text::Twice, {mazovia::ToUtf8(key.number), Date(findings_.language(), key.date), earlierLines, lines}});
}

// Teta books a document by its number: a number that stands for two documents, or a document that
// stands twice, would not reach the books as the register holds it. A document repeated right
// after itself is one part of the file: its first copy is the document, each further copy a
// document booked twice.
void RegisterReader::EndPart(const DocumentPart& whole) {
    const std::size_t copy = whole.RepeatedCopy();
    const DocumentPart part = copy ? whole.First(copy) : whole;
    for (std::size_t from = copy; copy && from < whole.records.size(); from += copy)
        Twice(part.key, whole.records[from].line, Lines(part.line, part.lastLine),
              Lines(whole.records[from].line, whole.records[from + copy - 1].line));
    const auto [seen, first] =
        seen_.try_emplace(part.key.number, SeenNumber{part.key.date, part.line, part.lastLine, part.Content(), part.Balanced()});
    if (first) return NewDocument(part);
    const SeenNumber& earlier = seen->second;
    const Language language = findings_.language();
    if (earlier.date == part.key.date && earlier.content == part.Content())
        return Twice(part.key, part.line, Lines(earlier.line, earlier.lastLine), Lines(part.line, part.lastLine));
    const std::string number = mazovia::ToUtf8(part.key.number);
    if (earlier.date != part.key.date || (earlier.whole && part.Balanced())) {
        findings_.Fault(FindingKind::Twice, file_, part.line, Text::SameNumberRule,
                        Message{Text::SameNumber, {number, Date(language, earlier.date), Lines(earlier.line, earlier.lastLine, true),
                                                   Date(language, part.key.date), Lines(part.line, part.lastLine, true)}});
        if (earlier.date != part.key.date) NewDocument(part);
        return;
    }
    // The rest of a document split across the file: its sums count with the part before.
    DocumentPart& document = unbalanced_.try_emplace(part.key, DocumentPart{part.key, 0, 0, earlier.line, 0, {}}).first->second;
    document.debit += part.debit;
    document.credit += part.credit;
    if (document.Balanced()) unbalanced_.erase(part.key);
}

void RegisterReader::CheckCustomer(const RecordPlace& place, std::string_view account) {
    if (account.size() == kAccountLength)
        place.Note(FindingKind::Customers, teta::kAccountField, {Text::FullAccountRule, {std::to_string(kAccountLength)}},
                   {Text::FullAccount, {mazovia::ToUtf8(account), Counted(findings_.language(), kAccountLength, Noun::Character)}});
    const auto customer = CustomerOfAccount(account, context_.scheme);
    if (customer && CustomerSet::InRange(*customer)) content_.booked.Add(*customer);
    if (!customer)
        if (auto cut = CutCustomerAccountOf(account, context_.scheme))
            content_.cutAccounts.try_emplace(std::string(account), std::move(*cut), place.line());
    if (!context_.accounts || !customer || context_.accounts->numbers.Has(*customer)) return;
    const std::vector<std::string> posting = {mazovia::ToUtf8(account), std::to_string(*customer)};
    if (CustomerSet::InRange(*customer))
        place.Fault(FindingKind::Customers, 0, Text::NoRecordRule, Message{Text::NoRecord, posting});
    else
        place.Note(FindingKind::Customers, 0, Text::UnmarkedRule, {Text::Unmarked, posting});
}

void RegisterReader::CheckFields(const RecordPlace& place, const std::vector<std::string_view>& fields) {
    const std::string_view account = fields[teta::kAccountField];
    if (account.size() != teta::kAccountWidth || account[0] == ' ' || Trimmed(account).size() > kAccountLength)
        place.Fault(FindingKind::Structure, teta::kAccountField, {Text::NotAnAccount, {std::to_string(kAccountLength), std::to_string(teta::kAccountWidth)}});
    for (std::size_t index = 0; index < kFieldCount; ++index)
        if (teta::kPostingFields[index].kind == teta::FieldKind::Date && !IsDate(fields[index]))
            place.Fault(FindingKind::Structure, index, Text::NotADate);
    const std::string_view documentDate = fields[teta::kDocumentDateField], dueDate = fields[teta::kDueDateField];
    for (const std::size_t index : {teta::kOperationDateField, teta::kTaxDateField})
        if (fields[index] != documentDate) place.Fault(FindingKind::Structure, index, Text::NotTheDocumentDate);
    if (IsDate(documentDate) && IsDate(dueDate) && dueDate < documentDate)
        place.Fault(FindingKind::Structure, teta::kDueDateField, Text::DueBeforeDocument);
    if (fields[teta::kDescriptionField].size() > teta::kDescriptionLength)
        place.Fault(FindingKind::Structure, teta::kDescriptionField,
                    {Text::LongDescription, {Counted(findings_.language(), teta::kDescriptionLength, Noun::Character)}});
    CheckConstants(place, TetaRecord::Posting, fields);
    for (std::size_t index = 0; index < kFieldCount; ++index) {
        const teta::FieldKind kind = teta::kPostingFields[index].kind;
        if (kind == teta::FieldKind::Padded || kind == teta::FieldKind::Text)
            if (const auto strange = StrangeCharacter(fields[index]))
                place.Fault(FindingKind::Characters, index, Text::StrangeCharacterRule, strange);
    }
}

void RegisterReader::Record(const Line& line) {
    const RecordPlace place = PlaceOf(TetaRecord::Posting, file_, line.number, findings_);
    const std::vector<std::string_view> fields = SplitFields(line.text, kSeparator);
    if (fields.size() != kFieldCount + 1 || !fields.back().empty()) {
        // Only the fields that a separator ends count: a last one without it is no whole field.
        findings_.Fault(FindingKind::Structure, file_, line.number, {Text::PostingFieldsRule, {std::to_string(kFieldCount)}},
                        Message{Text::PostingFields,
                                {Counted(findings_.language(), static_cast<std::int64_t>(fields.size() - 1), Noun::FieldWithSeparator),
                                 std::to_string(kFieldCount)}});
        return;
    }
    ++content_.postings;
    CheckFields(place, fields);
    const auto debit = Hundredths(fields[teta::kDebitField], teta::kAmountWidth);
    const auto credit = Hundredths(fields[teta::kCreditField], teta::kAmountWidth);
    for (const auto& [index, amount] : {std::pair{teta::kDebitField, debit}, std::pair{teta::kCreditField, credit}})
        if (!amount) place.Fault(FindingKind::Structure, index, {Text::NotAnAmount, {std::string(teta::AmountFormat(teta::kPostingFields[index]).view())}});
    const std::string_view token = fields[teta::kRegisterTokenField];
    const bool blankToken = token.find_first_not_of(' ') == std::string_view::npos;
    if (token.size() != teta::kRegisterTokenWidth || (!blankToken && token.substr(1) != teta::kRegisterTokenTail.view()))
        place.Fault(FindingKind::Structure, teta::kRegisterTokenField,
                    {Text::NotAToken, {std::to_string(teta::kRegisterTokenWidth), mazovia::ToUtf8(teta::kRegisterTokenTail.view())}});
    else if (!blankToken && credit == 0)
        place.Fault(FindingKind::Structure, teta::kRegisterTokenField, Text::TokenWithoutCredit);
    CheckCustomer(place, Trimmed(fields[teta::kAccountField]));

    const std::string_view documentDate = fields[teta::kDocumentDateField];
    DocumentKey key{std::string(fields[teta::kDocumentNumberField]), std::string(documentDate)};
    if (!open_ || open_->key != key) {
        if (open_) EndPart(*open_);
        open_ = DocumentPart{std::move(key), 0, 0, line.number, line.number, {}};
    }
    open_->Add(line.text, line.number, debit.value_or(0), credit.value_or(0));
    content_.debit += debit.value_or(0);
    content_.credit += credit.value_or(0);
    if (rows_) rows_(ListingRow(TetaRecord::Posting, fields));
}

void RegisterReader::Close() {
    if (open_) EndPart(*open_);
    open_.reset();
    std::vector<const DocumentPart*> unbalanced;
    for (const auto& [key, document] : unbalanced_) unbalanced.push_back(&document);
    std::sort(unbalanced.begin(), unbalanced.end(), [](const DocumentPart* a, const DocumentPart* b) { return a->line < b->line; });
    for (const DocumentPart* document : unbalanced) Unbalanced(*document);
    for (const SeriesGaps& gaps : series_.Gaps()) {
        std::string missing;
        for (const auto& [from, to] : gaps.missing)
            missing += (missing.empty() ? "" : ", ") + mazovia::ToUtf8(from) + (from == to ? "" : "–" + mazovia::ToUtf8(to));
        if (gaps.rangeCount > static_cast<std::int64_t>(gaps.missing.size()))
            missing += findings_.Say(
                {Text::MoreRanges, {Counted(findings_.language(), gaps.rangeCount - static_cast<std::int64_t>(gaps.missing.size()),
                                            Noun::Range)}});
        findings_.Note(FindingKind::Series, file_, 0, Text::SeriesGapRule,
                       {Text::SeriesGap, {mazovia::ToUtf8(gaps.first), mazovia::ToUtf8(gaps.last), missing}});
    }
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
