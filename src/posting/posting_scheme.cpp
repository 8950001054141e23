#include "src/posting/posting_scheme.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "src/host/mazovia.h"
#include "src/host/polish_count.h"
#include "src/services/configuration.h"
#include "src/services/message_boxes.h"
#include "src/services/posting_scheme_entries.h"

namespace klarvo::posting {
namespace {

using host::PostingSchemeEntry;

struct DefaultEntry {
    std::int16_t debitCode;
    const char* debitAccount;
    std::int16_t creditCode;
    const char* creditAccount;
    const char* description;
    std::int16_t number;
};

// Gross on the customer's account, net and VAT on the sales accounts.
const DefaultEntry kInvoiceDefaults[] = {
    {3, "201-K", 0, "", "Sprzedaż"_mz, 1},
    {0, "", 1, "731-1", "Netto", 0},
    {0, "", 2, "221-2", "Vat", 0},
};
const DefaultEntry kCorrectionDefaults[] = {
    {3, "201-K", 0, "", "Sprzedaż"_mz, 1},
    {0, "", 1, "731-1", "Netto", 0},
    {0, "", 2, "221-4", "Vat", 0},
};

struct StoredScheme {
    std::int16_t id;
    const char* section;
    const char* name;  // "Schemat dekretu faktur sprzedaży"
    const DefaultEntry (&defaults)[3];
};
const StoredScheme kStoredSchemes[] = {
    {kSalesInvoiceScheme, "ToburDekrSpr", "faktur sprzedaży"_mz, kInvoiceDefaults},
    {kSalesCorrectionScheme, "ToburDekrSprKor", "korekt sprzedaży"_mz, kCorrectionDefaults},
};

// Stored order: both amount codes first, every text in double quotes.
const char* const kStoredFormat = "%d,%d,\"%s\",\"%s\",\"%s\",\"%s\",%d";
const char* const kReadFormat = "%d,%d,%10s,%10s,%40s,%10s,%d";
// Any stored value at all: tells a key that cannot be read from a key that is not there.
const char* const kAnyValueFormat = "%255[^\n]";

struct KeyName {
    char text[16];
    explicit KeyName(int index) { std::snprintf(text, sizeof text, "Dekret_%d", index); }
};

// A text field of the entry, ended within its room even when the editor filled it whole.
template <std::size_t Room>
struct Terminated {
    char text[Room];
    explicit Terminated(const char (&field)[Room]) {
        std::copy_n(field, Room - 1, text);
        text[Room - 1] = '\0';
    }
};

template <std::size_t Room>
void CopyTerminated(char (&field)[Room], std::string_view text) {
    const std::size_t length = std::min(text.size(), Room - 1);
    std::copy_n(text.data(), length, field);
    field[length] = '\0';
}

// The numbers are read as int and then put into their 16-bit fields, so that the read never
// reaches the neighbouring bytes. A failed read leaves the entry as it was.
bool ReadEntry(const char* section, int index, PostingSchemeEntry& entry) {
    int debitCode = 0, creditCode = 0, number = 0;
    PostingSchemeEntry read{};
    if (!services::ReadConfiguration(section, KeyName(index).text, kReadFormat, &debitCode, &creditCode,
                                 read.debitAccount, read.creditAccount, read.description, read.shortCode,
                                 &number))
        return false;
    read.debitCode = static_cast<std::int16_t>(debitCode);
    read.creditCode = static_cast<std::int16_t>(creditCode);
    read.number = static_cast<std::int16_t>(number);
    for (char* end : {&read.debitAccount[host::kAccountTemplateLength], &read.creditAccount[host::kAccountTemplateLength],
                      &read.description[host::kEntryDescriptionLength], &read.shortCode[host::kShortCodeLength]})
        *end = '\0';
    entry = read;
    return true;
}

void PutDefaults(PostingSchemeEntry* entries, const StoredScheme& scheme) {
    for (std::size_t i = 0; i < std::size(scheme.defaults); ++i) {
        const DefaultEntry& from = scheme.defaults[i];
        PostingSchemeEntry& entry = entries[i];
        entry.debitCode = from.debitCode;
        CopyTerminated(entry.debitAccount, from.debitAccount);
        entry.creditCode = from.creditCode;
        CopyTerminated(entry.creditAccount, from.creditAccount);
        CopyTerminated(entry.description, from.description);
        entry.number = from.number;
    }
}

bool KeyPresent(const char* section, int index) {
    char value[256];
    return services::ReadConfiguration(section, KeyName(index).text, kAnyValueFormat, value);
}

// A scheme is stored when any of its keys is there; only a scheme never stored gets the defaults.
void Load(const StoredScheme& scheme, TransferOutcome& outcome) {
    PostingSchemeEntry* entries = services::PostingSchemeEntries();
    std::fill_n(entries, host::kSchemeEntryCount, PostingSchemeEntry{});
    bool unread[host::kSchemeEntryCount] = {};
    bool stored = false;
    for (int k = 0; k < host::kSchemeEntryCount; ++k) {
        unread[k] = !ReadEntry(scheme.section, k, entries[k]);
        stored |= !unread[k];
    }
    for (int k = 0; k < host::kSchemeEntryCount && !stored; ++k) stored = KeyPresent(scheme.section, k);
    if (!stored) {
        PutDefaults(entries, scheme);
        return;
    }
    for (int k = 0; k < host::kSchemeEntryCount; ++k)
        if (unread[k]) outcome.unreadable.Add(k);
}

// What the stored form cannot hold between its double quotes: a double quote and a line break.
template <std::size_t Room>
bool MakeStorable(char (&field)[Room]) {
    bool changed = false;
    for (char& c : field) {
        if (c == '\0') break;
        const char storable = c == '"' ? '\'' : (c == '\n' || c == '\r') ? ' ' : c;
        changed |= storable != c;
        c = storable;
    }
    return changed;
}

void Save(const StoredScheme& scheme, TransferOutcome& outcome) {
    PostingSchemeEntry* entries = services::PostingSchemeEntries();
    for (int k = 0; k < host::kSchemeEntryCount; ++k) {
        PostingSchemeEntry& entry = entries[k];
        bool changed = false;
        for (const bool fieldChanged : {MakeStorable(entry.debitAccount), MakeStorable(entry.creditAccount),
                                        MakeStorable(entry.description), MakeStorable(entry.shortCode)})
            changed |= fieldChanged;
        if (changed) outcome.changed.Add(k);
        services::WriteConfiguration(scheme.section, KeyName(k).text, kStoredFormat, int{entry.debitCode},
                                 int{entry.creditCode}, Terminated(entry.debitAccount).text,
                                 Terminated(entry.creditAccount).text, Terminated(entry.description).text,
                                 Terminated(entry.shortCode).text, int{entry.number});
    }
    if (outcome.changed.Empty()) return;
    char text[320];
    // "w pozycji Dekret_2 … tę pozycję", "w pozycjach Dekret_2, Dekret_5 … te pozycje".
    constexpr polish::Forms<const char*> kInEntries = {"pozycji"_mz, "pozycjach"_mz, "pozycjach"_mz};
    constexpr polish::Forms<const char*> kTheseEntries = {"tę pozycję"_mz, "te pozycje"_mz, "te pozycje"_mz};
    const int count = outcome.changed.count;
    std::snprintf(text, sizeof text,
                  "Schemat dekretu %s: w %s %s zamieniono znaki, których nie da się zapisać\n"
                  "(cudzysłów na apostrof, koniec wiersza na odstęp). Sprawdź %s."_mz,
                  scheme.name, kInEntries.After(count), outcome.changed.text, kTheseEntries.After(count));
    services::ShowMessage(text);
}

}  // namespace

void EntryKeys::Add(int index) {
    entries_ |= 1u << index;
    ++count;
    // The entries stand in their order, apart by commas, the last after "i".
    std::size_t used = 0;
    int listed = 0;
    for (int k = 0; k < host::kSchemeEntryCount; ++k)
        if (entries_ & (1u << k)) {
            const char* before = listed == 0 ? "" : listed == count - 1 ? " i " : ", ";
            used += static_cast<std::size_t>(std::snprintf(text + used, sizeof text - used, "%s%s", before, KeyName(k).text));
            ++listed;
        }
}

TransferOutcome TransferPostingScheme(std::int16_t schemeId, Transfer transfer) {
    TransferOutcome outcome;
    const auto scheme = std::find_if(std::begin(kStoredSchemes), std::end(kStoredSchemes),
                                     [&](const StoredScheme& stored) { return stored.id == schemeId; });
    if (scheme == std::end(kStoredSchemes)) {
        services::ShowMessage("Brak możliwości konfiguracji dekretu"_mz);
        return outcome;
    }
    outcome.known = true;
    outcome.section = scheme->section;
    outcome.name = scheme->name;
    if (transfer == Transfer::Load)
        Load(*scheme, outcome);
    else
        Save(*scheme, outcome);
    return outcome;
}

void ReportUnreadable(const TransferOutcome& outcome, const char* one, const char* many) {
    char text[512];
    std::snprintf(text, sizeof text, "Schemat dekretu %s: nie można odczytać pozycji %s.\n%s"_mz, outcome.name,
                  outcome.unreadable.text, outcome.unreadable.count == 1 ? one : many);
    services::ShowMessage(text);
}

}  // namespace klarvo::posting
