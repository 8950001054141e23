#pragma once
// Typed calls of the host services: Call<service::ShowMessage>(...) goes through the service's
// slot with the signature that the service list gives it.

#include "frame/binding.h"
#include "host/services.h"

namespace klarvo::host {

template <class Service>
typename Service::Pointer Bound() {
    return reinterpret_cast<typename Service::Pointer>(frame::BoundSlot(Service::kIndex));
}

template <class Service, class... Arguments>
decltype(auto) Call(Arguments... arguments) {
    return Bound<Service>()(arguments...);
}

}  // namespace klarvo::host
