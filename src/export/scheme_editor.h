#pragma once
// The host's posting-scheme editor over the posting-scheme buffer.

#include <cstdint>

#include "host/dialog.h"

namespace klarvo::exporting {

// Runs the editor for the scheme in the buffer; its result code (host::kFormAbandoned when left
// without saving).
std::uint16_t RunSchemeEditor(host::WDialogBase* owner);

}  // namespace klarvo::exporting
