#include "hostsim/forms/scheme_listing.h"

#include <cstdio>
#include <sstream>

#include "src/host/mazovia.h"
#include "src/host/records.h"

namespace klarvo::sim {
namespace {

// A Mazovia text padded with blanks to a width in characters, then as UTF-8.
template <std::size_t Room>
std::string Column(const char (&field)[Room], std::size_t width) {
    std::string text(host::BoundedText(field, 0, Room));
    if (text.size() < width) text.resize(width, ' ');
    return mazovia::ToUtf8(text);
}

std::string Amount(std::int16_t code, const std::vector<std::string>& names) {
    const bool named = code >= 0 && static_cast<std::size_t>(code) < names.size();
    char text[64];
    std::snprintf(text, sizeof text, "%3d %-21s", code, named ? names[static_cast<std::size_t>(code)].c_str() : "(no amount)");
    return mazovia::ToUtf8(text);
}

}  // namespace

std::string ListScheme(const host::PostingSchemeEntry (&entries)[host::kSchemeEntryCount],
                       const std::vector<std::string>& amountNames) {
    std::ostringstream out;
    char header[160];
    std::snprintf(header, sizeof header, "%-5s  %-25s  %-13s  %-25s  %-14s  %-40s  %-10s  %s\n", "entry",
                  "debit amount", "debit account", "credit amount", "credit account", "description", "short code",
                  "number");
    out << header;
    int end = host::kSchemeEntryCount;
    for (int k = 0; k < host::kSchemeEntryCount; ++k) {
        const host::PostingSchemeEntry& entry = entries[k];
        if (entry.debitCode == 0 && entry.creditCode == 0 && end == host::kSchemeEntryCount) end = k;
        char index[8];
        std::snprintf(index, sizeof index, "%5d", k);
        out << index << "  " << Amount(entry.debitCode, amountNames) << "  "
            << Column(entry.debitAccount, 13) << "  " << Amount(entry.creditCode, amountNames) << "  "
            << Column(entry.creditAccount, 14) << "  " << Column(entry.description, 40) << "  "
            << Column(entry.shortCode, 10) << "  " << entry.number << "\n";
    }
    if (end == 0)
        out << "Entry 0 has both amount codes 0: the export writes no posting.\n";
    else if (end < host::kSchemeEntryCount)
        out << "The export uses entries 0 to " << end - 1 << "; entry " << end
            << " has both amount codes 0 and ends the scheme.\n";
    else
        out << "The export uses all 14 entries.\n";
    return out.str();
}

}  // namespace klarvo::sim
