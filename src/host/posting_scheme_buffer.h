#pragma once
// The host's posting-scheme buffer: 14 entries of 80 bytes that the host's scheme editor edits
// in this very layout.

#include <cstddef>
#include <cstdint>



namespace klarvo::host {

inline constexpr int kSchemeEntryCount = 14;
inline constexpr std::size_t kAccountTemplateLength = 10;
inline constexpr std::size_t kEntryDescriptionLength = 40;
inline constexpr std::size_t kShortCodeLength = 10;

#pragma pack(push, 1)
struct PostingSchemeEntry {
    std::int16_t debitCode;  // amount code of the debit side, 0: none
    char debitAccount[kAccountTemplateLength + 1];
    std::int16_t creditCode;
    char creditAccount[kAccountTemplateLength + 1];
    char description[kEntryDescriptionLength + 1];
    char shortCode[kShortCodeLength + 1];
    std::int16_t number;  // kept for the editor; the export does not read it
};
#pragma pack(pop)
static_assert(sizeof(PostingSchemeEntry) == 80);
static_assert(offsetof(PostingSchemeEntry, creditCode) == 13);
static_assert(offsetof(PostingSchemeEntry, creditAccount) == 15);
static_assert(offsetof(PostingSchemeEntry, description) == 26);
static_assert(offsetof(PostingSchemeEntry, shortCode) == 67);
static_assert(offsetof(PostingSchemeEntry, number) == 78);

}  // namespace klarvo::host
