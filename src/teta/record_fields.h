#pragma once
// What a field of a Teta record is, as the records' lists (posting_fields.h, account_fields.h)
// give it: how it is written, its width and, for a constant, its text.

#include <cstddef>
#include <string_view>

namespace klarvo::teta {

enum class FieldKind {
    Constant,  // the same text in every record
    Text,      // a text as it is
    Date,      // YYYY-MM-DD
    Padded,    // a text padded with blanks to the width
    Cut,       // a text padded or cut to the width
    Amount,    // right-aligned in the width with two decimals; width 0: as long as it needs
    Integer,   // a whole number as long as it needs
};

struct RecordField {
    FieldKind kind;
    std::size_t width;
    std::string_view constant;
    bool named;            // a field without a name is told by its number
    std::string_view key;  // its column in klarvo-check's listings; empty where it has none
    std::size_t shown;     // that column's width in the aligned listing
};

// The named fields stand first, so that their positions, counted apart, are those in the record.
template <std::size_t Count>
constexpr bool NamedFirst(const RecordField (&fields)[Count], std::size_t named) {
    for (std::size_t i = 0; i < Count; ++i)
        if (fields[i].named != (i < named)) return false;
    return true;
}

}  // namespace klarvo::teta

// A list's row of a named field, FIELD(Name, Kind, width, constant, key, shown, English, Polish),
// or of an unnamed constant, UNNAMED(constant); the helpers below make the list's parts from it.
#define KLARVO_FIELD_POSITION(Name, ...) k##Name##Field,
#define KLARVO_FIELD_SKIPPED(constant)
#define KLARVO_FIELD_ROW(Name, Kind, width, constant, key, shown, english, polish) \
    {::klarvo::teta::FieldKind::Kind, width, constant, true, key, shown},
#define KLARVO_UNNAMED_ROW(constant) {::klarvo::teta::FieldKind::Constant, 0, constant, false, "", 0},
