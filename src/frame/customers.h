#pragma once
// The host's customer table: lookup by number, and the clean-up of customer texts.

#include <cstdint>

#include "frame/service_call.h"

namespace klarvo::host {

// Loads the customer into the k4 record buffer; false when the host has no such customer.
inline bool FindCustomer(std::int32_t number) {
    *Call<service::CustomerSearchKey>() = number;
    return Call<service::FindCustomer>(-1) != 0;
}

// Tidies a customer name in place.
inline void CleanName(char* text) { Call<service::CleanName>(text); }

// Tidies one part of an address in place.
inline void CleanAddressPart(char* text) { Call<service::CleanAddressPart>(text); }

}  // namespace klarvo::host
