#pragma once
// The simulated host's table of exports: service number to code (or data) address. Each area
// of services contributes its part; the signatures are checked against the service list. Every
// service runs through Serve, which makes the host's failures what the module sees of them.

#include <cstdint>
#include <exception>
#include <map>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>

#include "hostsim/faults/fault_raising.h"
#include "hostsim/host.h"
#include "src/host/types.h"

namespace klarvo::sim {

using CodeAddress = void (*)();
using ExportTable = std::map<std::uint16_t, CodeAddress>;

// A service's body, as the module reaches it: counted, timed while a benchmark asks (and failed
// when a ThrowIn names this call), and any failure of the simulator inside it raised as the
// host's exception. While an earlier failure unwinds the module, a failure of the simulator is
// only noted and the service gives nothing back.
template <std::uint16_t Number, class Body>
decltype(auto) Serve(Body body) {
    using Result = decltype(body());
    constexpr std::size_t index = kServiceIndexOf<Number>;
    const ServiceTimes::Call timed(g_serviceTimes, index);
    Host& host = Host::Active();
    const Host::Entered entered = host.EnterService(index);
    if (entered == Host::Entered::FailNow) host.RaiseFault();
    const bool failsOnceDone = entered == Host::Entered::FailOnceDone;
    try {
        if constexpr (std::is_void_v<Result>) {
            body();
            if (failsOnceDone) host.RaiseFault();
            return;
        } else {
            Result result = body();
            if (failsOnceDone) host.RaiseFault();
            return result;
        }
    } catch (const std::exception& error) {
        if (RaisedByTheHost()) throw;
        host.NoteFailure(error.what());
    }
    if (!host.Raising()) host.RaiseFault();
    if constexpr (!std::is_void_v<Result>) return Result{};
}

// The exported function of a service: its implementation run through Serve.
template <class Pointer>
struct Served;
template <class R, class... A>
struct Served<R (*)(A...)> {
    template <std::uint16_t Number, R (*Implementation)(A...)>
    static R Call(A... arguments) {
        return Serve<Number>([&] { return Implementation(arguments...); });
    }
};
#if defined(__i386__)
template <class R, class... A>
struct Served<R(KLARVO_THISCALL*)(A...)> {
    template <std::uint16_t Number, R(KLARVO_THISCALL* Implementation)(A...)>
    static R KLARVO_THISCALL Call(A... arguments) {
        return Serve<Number>([&] { return Implementation(arguments...); });
    }
};
#endif

template <class Pointer, std::uint16_t Number, Pointer Implementation>
std::pair<const std::uint16_t, CodeAddress> ExportServed() {
    return {Number, reinterpret_cast<CodeAddress>(&Served<Pointer>::template Call<Number, Implementation>)};
}

template <class Service, typename Service::Pointer Implementation>
std::pair<const std::uint16_t, CodeAddress> Export() {
    return ExportServed<typename Service::Pointer, Service::kNumber, Implementation>();
}

// A service that takes printf-style arguments runs Serve itself.
template <class Service>
std::pair<const std::uint16_t, CodeAddress> ExportVariadic(typename Service::Pointer implementation) {
    return {Service::kNumber, reinterpret_cast<CodeAddress>(implementation)};
}

// Adds an area's exports to the table; a number that two areas export is a fault of the simulator.
inline void AddExports(ExportTable& table, ExportTable area) {
    table.merge(area);
    if (!area.empty()) throw std::logic_error("service " + std::to_string(area.begin()->first) + " is exported twice");
}

// The areas of the host's services, each in a file of its own.
ExportTable FileServices();
ExportTable WindowServices();
ExportTable DateServices();
ExportTable TableServices();
ExportTable SessionServices();

// The dialog base part, callback objects, the form engine and the posting-scheme editor.
ExportTable DialogServices();

// Acceptance, version, the load failure report's window, the menu command, the install notice
// and the host's entry function (30006).
ExportTable ModuleServices();

// The posting-scheme buffer, the configuration store and the text and amount helpers.
ExportTable PostingServices();

}  // namespace klarvo::sim
