#pragma once
// An object of the host's that lives in the plug-in's storage: made there by one service and
// destroyed by another, on every way out once it was made.
// The hold is taken when the making service returns: a service that fails has made nothing (a
// constructor of the host's compiler that throws has undone itself), and the host ends only what
// it made.

#include <type_traits>

#include "src/frame/hold.h"
#include "src/frame/service_call.h"

namespace klarvo::services {

// The hold of an object the host made at a place of the plug-in's.
template <class Object, class DestroyService>
class HostMade {
public:
    // Has the host make its object at `object`, and holds it from then on; gives what Make answers.
    template <class MakeService, class... Arguments>
    decltype(auto) Make(Object* object, Arguments... arguments) {
        if constexpr (std::is_void_v<decltype(frame::Call<MakeService>(object, arguments...))>) {
            frame::Call<MakeService>(object, arguments...);
            made_.Take(object);
        } else {
            decltype(auto) answer = frame::Call<MakeService>(object, arguments...);
            made_.Take(object);
            return answer;
        }
    }

private:
    static void Destroy(Object* object) { frame::Call<DestroyService>(object); }

    frame::Hold<Object*, Destroy> made_;
};

// The object with its storage; the storage outlives the hold, which stands after it.
template <class Storage, class DestroyService>
class HostObject {
public:
    template <class MakeService, class... Arguments>
    decltype(auto) Make(Arguments... arguments) {
        return made_.template Make<MakeService>(&storage_, arguments...);
    }
    Storage* Get() { return &storage_; }

private:
    Storage storage_;
    HostMade<Storage, DestroyService> made_;
};

}  // namespace klarvo::services
