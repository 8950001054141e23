#pragma once
// The range form: the period and the options of an export, edited in place by the host.

#include <cstdint>

#include "host/dialog.h"

namespace klarvo::exporting {

// Runs the range form over the settings record; the form's result code (host::kFormConfirmed or
// host::kFormAbandoned).
std::uint16_t RunRangeForm(host::WDialogBase* owner, void* settings);

}  // namespace klarvo::exporting
