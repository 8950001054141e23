#include "hostsim/forms/scheme_file.h"

#include <cstddef>
#include <cstring>
#include <set>
#include <stdexcept>

#include "hostsim/company/table_file.h"

namespace klarvo::sim {
namespace {

using host::PostingSchemeEntry;

ColumnReader<Record> Code(std::size_t offset) {
    return [=](Record& r, const Cell& c) { PutValue(r, offset, ParseInteger<std::int16_t>(c)); };
}

ColumnReader<Record> EntryText(std::size_t offset, std::size_t room) { return Text({offset, room}); }

// The entry index stands in front of the entry's own bytes.
constexpr std::size_t kEntry = sizeof(PostingSchemeEntry);

}  // namespace

std::vector<SchemeEdit> LoadSchemeEdits(const std::filesystem::path& file) {
    const std::map<std::string, ColumnReader<Record>> columns = {
        {"entry", [](Record& r, const Cell& c) {
             const auto index = ParseInteger<std::int32_t>(c);
             if (index < 0 || index >= host::kSchemeEntryCount) c.Reject("is not an entry from 0 to 13");
             PutValue(r, kEntry, index);
         }},
        {"debit_code", Code(offsetof(PostingSchemeEntry, debitCode))},
        {"debit_account", EntryText(offsetof(PostingSchemeEntry, debitAccount), sizeof PostingSchemeEntry::debitAccount)},
        {"credit_code", Code(offsetof(PostingSchemeEntry, creditCode))},
        {"credit_account", EntryText(offsetof(PostingSchemeEntry, creditAccount), sizeof PostingSchemeEntry::creditAccount)},
        {"description", EntryText(offsetof(PostingSchemeEntry, description), sizeof PostingSchemeEntry::description)},
        {"short_code", EntryText(offsetof(PostingSchemeEntry, shortCode), sizeof PostingSchemeEntry::shortCode)},
        {"number", Code(offsetof(PostingSchemeEntry, number))},
    };
    std::vector<SchemeEdit> edits;
    std::set<int> seen;
    ReadTable(file, columns, {"entry"}, [&](int line, const auto& fill) {
        Record record(kEntry + sizeof(std::int32_t), '\0');
        fill(record);
        SchemeEdit edit{};
        std::memcpy(&edit.index, record.data() + kEntry, sizeof edit.index);
        std::memcpy(&edit.entry, record.data(), sizeof edit.entry);
        if (!seen.insert(edit.index).second)
            throw std::runtime_error(file.filename().string() + ", line " + std::to_string(line) + ", column entry: entry " +
                                     std::to_string(edit.index) + " is there twice");
        edits.push_back(edit);
    });
    return edits;
}

}  // namespace klarvo::sim
