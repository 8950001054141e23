#pragma once
// What the check finds in the Teta files: a place (file, line, field) and what is wrong there,
// grouped by the rule it breaks. Each rule keeps its count and its first places, so that one
// problem repeated on every line is told once, and the findings' memory does not grow with the file.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "check/messages.h"

namespace klarvo::check {

enum class FindingKind {
    Structure,   // lines, fields, widths, constants, dates, amounts
    Balance,     // a document whose debits and credits differ
    Customers,   // a customer account that stands twice, or that a posting lacks
    Characters,  // a byte that is no letter or sign of Polish text
    Files,       // a file that is not the Teta file it stands for
    Repeats,     // a document already exported in an earlier export
    Twice,       // a document twice in the register, or two documents under one number
    Series,      // numbers missing from a series of document numbers
};

struct Finding {
    FindingKind kind;
    std::string rule;   // what is wrong, the same for every place that breaks the same rule
    std::string file;
    std::int64_t line;  // from 1; 0 for the whole file
    std::string field;  // empty for the whole line
    std::string text;   // UTF-8, about this place
};

// "FILE, line L, field F: text", in the language of the findings.
std::string Describe(const Finding& finding, Language language = Language::English);

struct FindingGroup {
    std::string rule;
    FindingKind kind;
    std::int64_t count = 0;
    std::vector<Finding> first;  // its first places
};

// Findings are faults that Teta would import wrongly or not at all; notes can be imported but
// should be looked at (and perhaps corrected in the host) first. Both are written in the language
// of the user who reads them.
class Findings {
public:
    static constexpr std::size_t kFirstPlaces = 5;

    // Each rule keeps its first `firstPlaces` places.
    explicit Findings(Language language = Language::English, std::size_t firstPlaces = kFirstPlaces)
        : language_(language), firstPlaces_(firstPlaces) {}

    void Fault(Finding finding) { Add(std::move(finding), faults_); }
    void Note(Finding finding) { Add(std::move(finding), notes_); }

    // About a whole line, or with line 0 the whole file; the text defaults to the rule.
    void Fault(FindingKind kind, const std::string& file, std::int64_t line, const Message& rule,
               const std::optional<Message>& text = std::nullopt) {
        Fault({kind, Say(rule), file, line, "", Say(text.value_or(rule))});
    }
    void Note(FindingKind kind, const std::string& file, std::int64_t line, const Message& rule, const Message& text) {
        Note({kind, Say(rule), file, line, "", Say(text)});
    }

    // Every finding and note of another, which kept all its places.
    void Take(const Findings& other);

    Language language() const { return language_; }
    std::string Say(const Message& message) const { return check::Say(language_, message); }

    const std::vector<FindingGroup>& Faults() const { return faults_; }
    const std::vector<FindingGroup>& Notes() const { return notes_; }
    std::int64_t FaultCount() const { return Count(faults_); }
    std::int64_t NoteCount() const { return Count(notes_); }
    bool Any(FindingKind kind) const;

private:
    void Add(Finding finding, std::vector<FindingGroup>& groups);
    static std::int64_t Count(const std::vector<FindingGroup>& groups);

    Language language_;
    std::size_t firstPlaces_;
    std::vector<FindingGroup> faults_, notes_;
};

// One record of a file as findings name it: file, line, and a field by number and name.
class RecordPlace {
public:
    using FieldName = Message (*)(std::size_t field);

    RecordPlace(const std::string& file, std::int64_t line, Findings& findings, FieldName fieldName)
        : file_(file), line_(line), findings_(findings), fieldName_(fieldName) {}

    std::int64_t line() const { return line_; }

    // The text defaults to the rule itself.
    void Fault(FindingKind kind, std::size_t field, const Message& rule,
               const std::optional<Message>& text = std::nullopt) const {
        findings_.Fault({kind, findings_.Say(rule), file_, line_, Field(field), findings_.Say(text.value_or(rule))});
    }
    void Note(FindingKind kind, std::size_t field, const Message& rule, const Message& text) const {
        findings_.Note({kind, findings_.Say(rule), file_, line_, Field(field), findings_.Say(text)});
    }

private:
    std::string Field(std::size_t field) const {
        return findings_.Say({Text::FieldNamed, {std::to_string(field + 1), findings_.Say(fieldName_(field))}});
    }

    const std::string& file_;
    std::int64_t line_;
    Findings& findings_;
    FieldName fieldName_;
};

}  // namespace klarvo::check
