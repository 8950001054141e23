#pragma once
// The fields of the host's records that the plug-in reads: where each starts in its record, its
// type, and for a text the room it has (its NUL among the bytes).

#include <cstdint>
#include <algorithm>
#include <cstring>
#include <string_view>

#include "src/host/types.h"

namespace klarvo::host {

struct TextAt {
    std::size_t offset, room;
};

template <class T>
struct ValueAt {
    std::size_t offset;
};

template <class T>
T ReadField(const void* record, std::size_t offset) {
    T value;
    std::memcpy(&value, static_cast<const char*>(record) + offset, sizeof value);
    return value;
}

template <class T>
T ReadField(const void* record, ValueAt<T> field) {
    return ReadField<T>(record, field.offset);
}

// Tspr, table 44: one sales document header.
namespace tspr {
inline constexpr std::size_t kRecordLength = 1469;
inline constexpr TextAt kNumber{2, 228};
inline constexpr TextAt kDate{230, sizeof(DateText)};
inline constexpr ValueAt<std::int16_t> kPaymentDays{257};
inline constexpr ValueAt<std::int32_t> kCustomer{1453};
inline constexpr ValueAt<std::int32_t> kIncluded{1465};  // 0: not exported
}  // namespace tspr

// k4, table 35: one customer.
namespace k4 {
inline constexpr std::size_t kRecordLength = 1536;
inline constexpr TextAt kShortName{2, 17};
inline constexpr TextAt kName{19, 101};
inline constexpr TextAt kAddress{120, 56};
inline constexpr TextAt kTaxId{176, 63};
inline constexpr TextAt kBankAccount{239, 104};
inline constexpr ValueAt<double> kCreditLimit{343};
inline constexpr ValueAt<double> kDiscount{351};
inline constexpr ValueAt<std::int32_t> kNumber{1532};
}  // namespace k4

// Record lengths of the other declared tables.
inline constexpr std::size_t kTsprDokRecordLength = 515;
inline constexpr std::size_t kTsprKorDokRecordLength = 256;

inline const char* TextField(const void* record, std::size_t offset) {
    return static_cast<const char*>(record) + offset;
}

inline const char* TextField(const void* record, TextAt field) { return TextField(record, field.offset); }

// A text field that may lack its NUL: it ends at its NUL or at the end of its room.
inline std::string_view BoundedText(const void* record, std::size_t offset, std::size_t room) {
    const char* text = TextField(record, offset);
    return {text, static_cast<std::size_t>(std::find(text, text + room, '\0') - text)};
}

inline std::string_view BoundedText(const void* record, TextAt field) {
    return BoundedText(record, field.offset, field.room);
}

}  // namespace klarvo::host
