#pragma once
// The description of the plug-in's forms that the host's form engine draws and runs: the range
// form and the processing form, as one little-endian byte record.

#include <cstddef>
#include <cstdint>

namespace klarvo::exporting {

// The whole record: a 32-bit size, then the blocks of both forms.
inline constexpr std::size_t kFormDescriptionSize = 4 + 490;
const unsigned char* FormDescription();

}  // namespace klarvo::exporting
