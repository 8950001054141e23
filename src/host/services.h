#pragma once
// The host services by name: each one's number, its place among the slots and the signature
// that the service list gives it.

#include <cstdint>

#include "src/host/service_list.h"

namespace klarvo::host {

enum class SlotIndex : int {
#define KLARVO_SLOT_INDEX(number, name, type) name,
    KLARVO_HOST_SERVICES(KLARVO_SLOT_INDEX)
#undef KLARVO_SLOT_INDEX
    Count
};
inline constexpr int kServiceCount = static_cast<int>(SlotIndex::Count);
static_assert(kServiceCount == 96);

namespace service {
#define KLARVO_SERVICE_TRAITS(number, name, type)                        \
    struct name {                                                        \
        static constexpr std::uint16_t kNumber = number;                 \
        static constexpr int kIndex = static_cast<int>(SlotIndex::name); \
        using Pointer = type;                                            \
    };
KLARVO_HOST_SERVICES(KLARVO_SERVICE_TRAITS)
#undef KLARVO_SERVICE_TRAITS
}  // namespace service

// The service numbers in slot order.
inline constexpr std::uint16_t kServiceNumbers[] = {
#define KLARVO_SERVICE_NUMBER(number, name, type) number,
    KLARVO_HOST_SERVICES(KLARVO_SERVICE_NUMBER)
#undef KLARVO_SERVICE_NUMBER
};

// The slot of a service number; a number outside the list does not compile where it is constant.
constexpr int SlotOf(std::uint16_t number) {
    for (int i = 0; i < kServiceCount; ++i)
        if (kServiceNumbers[i] == number) return i;
    throw "the host has no service of this number";
}

}  // namespace klarvo::host
