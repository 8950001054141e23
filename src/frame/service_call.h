#pragma once
// Typed calls of the host services: Call<host::service::ShowMessage>(...) goes through the
// service's slot with the signature that the service list gives it. Whatever a service throws is
// the host's failure, and is noted as such on its way; a service the host lacks is the plug-in's.

#include "src/frame/binding.h"
#include "src/frame/hosts_exception.h"
#include "src/host/services.h"

namespace klarvo::frame {

template <class Service>
typename Service::Pointer Bound() {
    return reinterpret_cast<typename Service::Pointer>(BoundSlot(Service::kIndex));
}

// A call of a host service through what Bound gave.
template <class Function, class... Arguments>
decltype(auto) CallHost(Function function, Arguments... arguments) {
    try {
        return function(arguments...);
    } catch (const MissingService&) {
        // Ours: the slot's binder found nothing to carry the call to.
        throw;
    } catch (...) {
        NoteHostsException();
        throw;
    }
}

template <class Service, class... Arguments>
decltype(auto) Call(Arguments... arguments) {
    return CallHost(Bound<Service>(), arguments...);
}

}  // namespace klarvo::frame
