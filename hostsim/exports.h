#pragma once
// The simulated host's table of exports: service number to code (or data) address. Each area
// of services contributes its part; the signatures are checked against the service list.

#include <cstdint>
#include <map>
#include <utility>

namespace klarvo::sim {

using CodeAddress = void (*)();
using ExportTable = std::map<std::uint16_t, CodeAddress>;

template <class Service>
std::pair<const std::uint16_t, CodeAddress> Export(typename Service::Pointer implementation) {
    return {Service::kNumber, reinterpret_cast<CodeAddress>(implementation)};
}

// The dialog base part, callback objects, the form engine and the posting-scheme editor.
ExportTable DialogServices();

// Acceptance, version, the load failure report's window, the menu command, the install notice
// and the host's entry function (30006).
ExportTable ModuleServices();

// The posting-scheme buffer, the configuration store and the text and amount helpers.
ExportTable PostingServices();

}  // namespace klarvo::sim
