#include "hostsim/session/entries_module.h"

#include "hostsim/host.h"

namespace klarvo::sim {

void EntriesModule::Load() { entries_ = LoadEntries(); }

void EntriesModule::Unload() {
    UnloadEntries();
    entries_ = {};
    Host::Active().module.registration = nullptr;
}

std::optional<int> EntriesModule::Initialise(char* displayName) {
    const auto entry = reinterpret_cast<host::HostEntryFunction>(HostExport(host::kHostEntryOrdinal));
    int result = -1;
    if (!Host::Active().CallModule([&] { result = entries_.initialise(entry, displayName); })) return std::nullopt;
    return result;
}

std::optional<int> EntriesModule::Withdraw() {
    int result = -1;
    if (!Host::Active().CallModule([&] { result = entries_.initialise(nullptr, nullptr); })) return std::nullopt;
    return result;
}

bool EntriesModule::RegisterOrReport(int report) {
    return Host::Active().CallModule([&] { entries_.registerOrReport(report); });
}

bool EntriesModule::Registered() const { return Host::Active().module.registration != nullptr; }

bool EntriesModule::RunCommand() {
    Host& host = Host::Active();
    return host.CallModule([&host] { host.module.registration->command(); });
}

}  // namespace klarvo::sim
