#include "check/report_page.h"

#include <kainjow/mustache.hpp>

#include "check/summary.h"
#include "klarvo_version.h"
#include "src/host/amount_names.h"
#include "src/host/mazovia.h"

namespace klarvo::check {
namespace {

using kainjow::mustache::data;
using kainjow::mustache::mustache;

// The page: its style for the screen and for A4 paper, then the sections; every text comes from
// the data, escaped by the template engine.
constexpr const char* kPage = R"(<!DOCTYPE html>
<html lang="{{language}}">
<head>
<meta charset="utf-8">
<title>{{title}}</title>
<style>
@page { size: A4; margin: 14mm 12mm; }
body { font-family: "Segoe UI", "DejaVu Sans", Arial, sans-serif; font-size: 10pt; color: #1a1a1a; margin: 2em auto; max-width: 60em; }
@media print { body { margin: 0; max-width: none; font-size: 9pt; } }
h1 { font-size: 16pt; margin: 0 0 .3em; }
h2 { font-size: 12pt; margin: 1.6em 0 .4em; border-bottom: 1px solid #888; }
p.meta { margin: .1em 0; color: #444; }
p.verdict { font-size: 12pt; font-weight: bold; padding: .5em .8em; border-left: .4em solid; margin: 1em 0; }
p.verdict.findings { border-color: #b00020; background: #fde8ea; }
p.verdict.notes { border-color: #b26a00; background: #fff3e0; }
p.verdict.clean { border-color: #1b7a2e; background: #e6f4ea; }
table { border-collapse: collapse; width: 100%; margin: .3em 0; }
table.summary { width: auto; min-width: 20em; }
th, td { border: 1px solid #bbb; padding: .2em .4em; text-align: left; vertical-align: top; }
th { background: #eee; font-weight: 600; }
th::first-letter { text-transform: uppercase; }
td.amount, th.amount { text-align: right; white-space: nowrap; }
tfoot td { font-weight: bold; background: #f6f6f6; }
tr { page-break-inside: avoid; }
thead { display: table-header-group; }
ul { margin: .2em 0 .6em; padding-left: 1.4em; }
li { margin: .1em 0; }
.rule { font-weight: 600; margin: .6em 0 .1em; }
.hint { color: #444; margin: .2em 0; }
</style>
</head>
<body>
<h1>{{title}}</h1>
<p class="meta">{{dates}}</p>
<p class="meta">{{files}}</p>
<p class="meta">{{checked}}</p>
<p class="verdict {{verdictKind}}">{{verdict}}</p>
<h2>{{summaryTitle}}</h2>
<table class="summary">
<tbody>
{{#counts}}<tr><th>{{label}}</th><td class="amount" data-count="{{key}}">{{value}}</td></tr>
{{/counts}}</tbody>
</table>
{{#groups}}
<h2>{{title}} ({{count}})</h2>
{{#rules}}
<p class="rule">{{rule}} ({{count}})</p>
<ul>
{{#places}}<li>{{.}}</li>
{{/places}}</ul>
{{/rules}}
{{/groups}}
<h2>{{documentsTitle}}</h2>
<table class="documents">
<thead><tr><th>{{ordinal}}</th><th>{{number}}</th><th>{{date}}</th><th>{{dueDate}}</th><th>{{customer}}</th><th class="amount">{{gross}}</th><th class="amount">{{net}}</th><th class="amount">{{vat}}</th><th>{{accounts}}</th></tr></thead>
<tbody>
{{#documents}}<tr><td>{{ordinal}}</td><td>{{number}}</td><td>{{date}}</td><td>{{dueDate}}</td><td>{{customer}}</td><td class="amount">{{gross}}</td><td class="amount">{{net}}</td><td class="amount">{{vat}}</td><td>{{accounts}}</td></tr>
{{/documents}}</tbody>
<tfoot><tr><td colspan="5">{{total}}</td><td class="amount" data-total="gross">{{grossTotal}}</td><td class="amount" data-total="net">{{netTotal}}</td><td class="amount" data-total="vat">{{vatTotal}}</td><td></td></tr></tfoot>
</table>
<h2>{{positionsTitle}}</h2>
<p class="hint">{{positionsHint}}</p>
<table class="positions">
<thead><tr><th>{{position}}</th><th>{{amount}}</th><th>{{account}}</th><th class="amount">{{debit}}</th><th class="amount">{{credit}}</th><th class="amount">{{postings}}</th></tr></thead>
<tbody>
{{#positions}}<tr><td>{{position}}</td><td>{{amount}}</td><td>{{account}}</td><td class="amount">{{debit}}</td><td class="amount">{{credit}}</td><td class="amount">{{postings}}</td></tr>
{{/positions}}</tbody>
</table>
<h2>{{accountsTitle}}</h2>
<table class="accounts">
<thead><tr><th>{{account}}</th><th class="amount">{{debit}}</th><th class="amount">{{credit}}</th><th class="amount">{{postings}}</th></tr></thead>
<tbody>
{{#accountTotals}}<tr><td>{{account}}</td><td class="amount">{{debit}}</td><td class="amount">{{credit}}</td><td class="amount">{{postings}}</td></tr>
{{/accountTotals}}</tbody>
<tfoot><tr><td>{{total}}</td><td class="amount" data-total="debit">{{debitTotal}}</td><td class="amount" data-total="credit">{{creditTotal}}</td><td class="amount">{{postingsTotal}}</td></tr></tfoot>
</table>
</body>
</html>
)";

data Object(std::initializer_list<std::pair<std::string, data>> fields) {
    data object;
    for (const auto& [name, value] : fields) object.set(name, value);
    return object;
}

data Groups(const Findings& findings, Language language) {
    data groups{data::type::list};
    for (const auto& [title, list, total] : {std::tuple{Text::LabelFindings, &findings.Faults(), findings.FaultCount()},
                                             std::tuple{Text::LabelNotes, &findings.Notes(), findings.NoteCount()}}) {
        if (list->empty()) continue;
        data rules{data::type::list};
        for (const FindingGroup& group : *list) {
            data places{data::type::list};
            for (const Finding& finding : group.first) places.push_back(Describe(finding, language));
            if (const auto more = group.count - static_cast<std::int64_t>(group.first.size()); more > 0)
                places.push_back(Say(language, {Text::MorePlaces, {Counted(language, more, Noun::Place)}}));
            rules.push_back(Object({{"rule", group.rule}, {"count", Count(language, group.count)}, {"places", places}}));
        }
        groups.push_back(Object({{"title", Say(language, title)}, {"count", Count(language, total)}, {"rules", rules}}));
    }
    return groups;
}

std::string CustomerText(const std::optional<std::int32_t>& customer, const std::map<std::int32_t, std::string>& names) {
    if (!customer) return "";
    const auto name = names.find(*customer);
    return std::to_string(*customer) + (name == names.end() ? "" : " " + mazovia::ToUtf8(name->second));
}

data Documents(const ReportInput& input, Language language, std::int64_t (&totals)[3]) {
    data documents{data::type::list};
    std::int64_t ordinal = 0;
    for (const BookedDocument& document : input.booked.Documents()) {
        std::string accounts;
        for (const std::string& account : document.accounts) accounts += (accounts.empty() ? "" : ", ") + mazovia::ToUtf8(account);
        totals[0] += document.gross;
        totals[1] += document.net;
        totals[2] += document.vat;
        documents.push_back(Object({{"ordinal", std::to_string(++ordinal)},
                                    {"number", mazovia::ToUtf8(document.number)},
                                    {"date", Date(language, document.date)},
                                    {"dueDate", Date(language, document.dueDate)},
                                    {"customer", CustomerText(document.customer, input.customerNames)},
                                    {"gross", Amount(language, document.gross)},
                                    {"net", Amount(language, document.net)},
                                    {"vat", Amount(language, document.vat)},
                                    {"accounts", accounts}}));
    }
    return documents;
}

data Positions(const BookedExport& booked, Language language) {
    data positions{data::type::list};
    for (const PositionTotal& position : booked.Positions()) {
        std::string name = Say(language, Text::NoEntry), amount, account;
        if (position.entry >= 0) {
            const SchemeEntry& entry = booked.Scheme().entries[static_cast<std::size_t>(position.entry)];
            const bool debit = !entry.debitAccount.empty();
            name = "Dekret_" + std::to_string(position.entry);
            amount = Say(language, debit ? Text::FieldDebit : Text::FieldCredit) + ": " +
                     mazovia::ToUtf8(host::AmountName(debit ? entry.debitCode : entry.creditCode));
            account = mazovia::ToUtf8(debit ? entry.debitAccount : entry.creditAccount);
        }
        positions.push_back(Object({{"position", name},
                                    {"amount", amount},
                                    {"account", account},
                                    {"debit", Amount(language, position.total.debit)},
                                    {"credit", Amount(language, position.total.credit)},
                                    {"postings", Count(language, position.total.postings)}}));
    }
    return positions;
}

data AccountTotals(const BookedExport& booked, Language language, BookedTotal& sum) {
    data accounts{data::type::list};
    for (const auto& [account, total] : booked.Accounts()) {
        sum.debit += total.debit;
        sum.credit += total.credit;
        sum.postings += total.postings;
        accounts.push_back(Object({{"account", mazovia::ToUtf8(account)},
                                   {"debit", Amount(language, total.debit)},
                                   {"credit", Amount(language, total.credit)},
                                   {"postings", Count(language, total.postings)}}));
    }
    return accounts;
}

}  // namespace

std::string ReportPage(const ReportInput& input, Language language) {
    const CheckResult& result = input.result;
    const Findings& findings = result.findings;
    const auto say = [&](Text text) { return data(Say(language, text)); };
    std::int64_t documentTotals[3] = {};
    BookedTotal accountSum;
    data page = Object({
        {"language", language == Language::Polish ? "pl" : "en"},
        {"title", say(Text::ReportTitle)},
        {"dates", DocumentDates(result.salesRegister, language)},
        {"files", Say(language, {Text::ReportFiles, {input.registerName, input.accountsName}})},
        {"checked", Say(language, {Text::ReportChecked, {input.checkedOn, KLARVO_VERSION}})},
        {"verdict", Verdict(findings, language)},
        {"verdictKind", findings.FaultCount() > 0 ? "findings" : findings.NoteCount() > 0 ? "notes" : "clean"},
        {"summaryTitle", say(Text::ReportSummary)},
        {"groups", Groups(findings, language)},
        {"documentsTitle", Say(language, {Text::ReportDocuments, {Count(language, result.salesRegister.documents)}})},
        {"documents", Documents(input, language, documentTotals)},
        {"positionsTitle", say(Text::ReportPositions)},
        {"positionsHint", say(Text::ReportPositionsHint)},
        {"positions", Positions(input.booked, language)},
        {"accountsTitle", say(Text::ReportAccounts)},
        {"accountTotals", AccountTotals(input.booked, language, accountSum)},
        {"ordinal", say(Text::ColumnOrdinal)}, {"number", say(Text::ColumnNumber)}, {"date", say(Text::ColumnDate)},
        {"dueDate", say(Text::FieldDueDate)}, {"customer", say(Text::ColumnCustomer)}, {"gross", say(Text::ColumnGross)},
        {"net", say(Text::ColumnNet)}, {"vat", say(Text::ColumnVat)}, {"accounts", say(Text::ColumnAccounts)},
        {"position", say(Text::ColumnPosition)}, {"amount", say(Text::ColumnAmount)}, {"account", say(Text::FieldAccount)},
        {"debit", say(Text::FieldDebit)}, {"credit", say(Text::FieldCredit)}, {"postings", say(Text::ColumnPostings)},
        {"total", say(Text::TotalRow)},
    });
    page.set("grossTotal", Amount(language, documentTotals[0]));
    page.set("netTotal", Amount(language, documentTotals[1]));
    page.set("vatTotal", Amount(language, documentTotals[2]));
    page.set("debitTotal", Amount(language, accountSum.debit));
    page.set("creditTotal", Amount(language, accountSum.credit));
    page.set("postingsTotal", Count(language, accountSum.postings));
    const RegisterContent& r = result.salesRegister;
    data counts{data::type::list};
    for (const auto& [key, label, value] :
         {std::tuple{"documents", Text::LabelDocuments, Count(language, r.documents)},
          std::tuple{"postings", Text::LabelPostings, Count(language, r.postings)},
          std::tuple{"customers", Text::LabelCustomers, Count(language, result.accounts.customers)},
          std::tuple{"debit", Text::FieldDebit, Amount(language, r.debit)},
          std::tuple{"credit", Text::FieldCredit, Amount(language, r.credit)},
          std::tuple{"findings", Text::LabelFindings, Count(language, findings.FaultCount())},
          std::tuple{"notes", Text::LabelNotes, Count(language, findings.NoteCount())}})
        counts.push_back(Object({{"key", key}, {"label", Say(language, label)}, {"value", value}}));
    page.set("counts", counts);
    return mustache(kPage).render(page);
}

}  // namespace klarvo::check
