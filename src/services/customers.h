#pragma once
// The host's customer table: lookup by number, and the clean-up of customer texts.

#include <cstdint>

#include "src/frame/service_call.h"

namespace klarvo::services {

// Loads the customer into the k4 record buffer; false when the host has no such customer.
inline bool FindCustomer(std::int32_t number) {
    *frame::Call<host::service::CustomerSearchKey>() = number;
    return frame::Call<host::service::FindCustomer>(host::kFindBySearchKey) != 0;
}

// Tidies a customer name in place.
inline void CleanName(char* text) { frame::Call<host::service::CleanName>(text); }

// Tidies one part of an address in place.
inline void CleanAddressPart(char* text) { frame::Call<host::service::CleanAddressPart>(text); }

}  // namespace klarvo::services
