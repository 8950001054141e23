#pragma once
// The fields of the host's records that the plug-in reads, at their offsets in the record.

#include <cstdint>
#include <algorithm>
#include <cstring>
#include <string_view>

namespace klarvo::host {

template <class T>
T ReadField(const void* record, std::size_t offset) {
    T value;
    std::memcpy(&value, static_cast<const char*>(record) + offset, sizeof value);
    return value;
}

// Tspr, table 44: one sales document header.
namespace tspr {
inline constexpr std::size_t kRecordLength = 1469;
inline constexpr std::size_t kNumber = 2;          // text
inline constexpr std::size_t kDate = 230;          // host date string
inline constexpr std::size_t kPaymentDays = 257;   // signed 16-bit
inline constexpr std::size_t kCustomer = 1453;     // signed 32-bit
inline constexpr std::size_t kIncluded = 1465;     // signed 32-bit, 0: not exported
}  // namespace tspr

// k4, table 35: one customer.
namespace k4 {
inline constexpr std::size_t kRecordLength = 1536;
inline constexpr std::size_t kShortName = 2;       // text
inline constexpr std::size_t kName = 19;           // text
inline constexpr std::size_t kAddress = 120;       // text
inline constexpr std::size_t kTaxId = 176;         // text
inline constexpr std::size_t kBankAccount = 239;   // text
inline constexpr std::size_t kCreditLimit = 343;   // double
inline constexpr std::size_t kDiscount = 351;      // double
inline constexpr std::size_t kNumber = 1532;       // signed 32-bit
}  // namespace k4

// Record lengths of the other declared tables.
inline constexpr std::size_t kTsprDokRecordLength = 515;
inline constexpr std::size_t kTsprKorDokRecordLength = 256;

inline const char* TextField(const void* record, std::size_t offset) {
    return static_cast<const char*>(record) + offset;
}

// A text field that may lack its NUL: it ends at its NUL or at the end of its room.
inline std::string_view BoundedText(const void* record, std::size_t offset, std::size_t room) {
    const char* text = TextField(record, offset);
    return {text, static_cast<std::size_t>(std::find(text, text + room, '\0') - text)};
}

}  // namespace klarvo::host
