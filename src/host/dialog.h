#pragma once
// WDialogBase: the host's dialog base class, laid out as its MSVC build lays it out: the
// virtual table address first, then the host's own state.

#include <cstddef>

#include "host/services.h"

namespace klarvo::host {

inline constexpr int kDialogOperationCount = 35;

// Entries of the virtual table (0-based) that a derived class of the plug-in implements.
enum OwnDialogOperation : int {
    kDeletingDestructor = 0,
    kCommandHandler = 1,
    kListItemProvider = 22,
};

// Host service behind each entry that the host implements; 0 where the plug-in implements it.
inline constexpr std::uint16_t kDialogOperationServices[kDialogOperationCount] = {
    0,     0,     20958, 20959, 20960, 20961, 20962, 20963, 20964, 20965, 20966, 20957,
    20948, 20949, 20950, 20951, 20952, 20953, 20954, 20955, 20956, 20947, 0,     20939,
    20940, 20941, 20942, 20943, 20944, 20945, 20946, 20937, 24002, 24003, 24004,
};

struct WDialogBase {
    const void* const* virtualTable;
    unsigned char hostState[252];
};

inline void MakeDialogBase(WDialogBase* dialog) { Call<service::MakeDialogBase>(dialog); }
inline void EndDialogBase(WDialogBase* dialog) { Call<service::EndDialogBase>(dialog); }

}  // namespace klarvo::host
