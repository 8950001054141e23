#pragma once
// Typed calls of the host services: Call<host::service::ShowMessage>(...) goes through the
// service's slot with the signature that the service list gives it.

#include "src/frame/binding.h"
#include "src/host/services.h"

namespace klarvo::frame {

template <class Service>
typename Service::Pointer Bound() {
    return reinterpret_cast<typename Service::Pointer>(BoundSlot(Service::kIndex));
}

template <class Service, class... Arguments>
decltype(auto) Call(Arguments... arguments) {
    return Bound<Service>()(arguments...);
}

}  // namespace klarvo::frame
