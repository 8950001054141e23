#pragma once
// The range form: the period and the options of an export, edited in place by the host.

#include <cstdint>

#include "host/dialog.h"

namespace klarvo::exporting {

// Command codes that the forms return.
inline constexpr std::uint16_t kFormConfirmed = 0x5001;
inline constexpr std::uint16_t kFormAbandoned = 0x5002;

// Runs the range form over the settings record; the form's result code.
std::uint16_t RunRangeForm(host::WDialogBase* owner, void* settings);

}  // namespace klarvo::exporting
