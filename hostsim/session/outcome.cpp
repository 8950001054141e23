#include "hostsim/session/outcome.h"

#include <iostream>

namespace klarvo::sim {

std::optional<int> BrokenOff(const Host& host) {
    if (!host.Violations().empty()) return kContractBroken;
    const auto& failure = host.LastFailure();
    if (!failure) return std::nullopt;
    std::cerr << "morvel: " << failure->what << "\n";
    if (!failure->injected) return kBadInput;
    std::cerr << "morvel: the plug-in gave back everything it held\n";
    return kFaultCleanedUp;
}

int ExportOutcome(const Host& host) {
    bool summaryShown = false;
    for (const Message& message : host.Messages()) summaryShown |= message.formatted;
    return summaryShown || (host.FormCancelled() && host.Messages().empty()) ? kDone : kFailed;
}

int SchemeOutcome(const Host& host) {
    if (host.dialogs.schemeListings.empty()) return kFailed;
    const SchemeEditorVisit& visit = host.Options().form.configPresses.front();
    std::cout << host.dialogs.schemeListings.front()
              << (visit.abandon ? "Left with \"Anuluj\": nothing is stored.\n" : "Confirmed: the scheme is stored.\n");
    return kDone;
}

int FormOutcome(const Host& host) {
    if (host.dialogs.formPictures.empty()) return kFailed;
    std::cout << host.dialogs.formPictures.front();
    return kDone;
}

}  // namespace klarvo::sim
