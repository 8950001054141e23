#pragma once
// Which customers have an exported document: one byte per customer number, companies (1 to
// 65999) in one block, natural persons (-1 to -65999) by absolute number in the other.

#include <cstdint>

namespace klarvo::exporting {

inline constexpr std::int32_t kHighestCustomer = 65999;
inline constexpr std::uint32_t kCustomerMarkCount = kHighestCustomer + 1;

// Numbers 0 and beyond the range mark nothing.
inline void MarkCustomer(unsigned char* companies, unsigned char* persons, std::int32_t number) {
    if (number >= 1 && number <= kHighestCustomer)
        companies[number] = 1;
    else if (number <= -1 && number >= -kHighestCustomer)
        persons[-number] = 1;
}

}  // namespace klarvo::exporting
