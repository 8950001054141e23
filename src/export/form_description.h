#pragma once
// The description of the plug-in's forms that the host's form engine draws and runs: the range
// form and the processing form, as one little-endian byte record.

#include <cstddef>
#include <cstdint>

namespace klarvo::exporting {

// Control kinds of the form engine.
enum class ControlKind : std::uint16_t {
    Button = 0,
    CheckBox = 2,
    Text = 3,
    Bar = 4,
    InputField = 5,
    Box = 7,
};

inline constexpr std::uint16_t kNoCommand = 0xFFFF;
inline constexpr std::uint16_t kF12Key = 0x8600;
// Flag of the controls that edit the form's data record, in their order.
inline constexpr std::uint16_t kEditsRecord = 0x0400;

inline constexpr int kRangeFormNumber = 20010;
inline constexpr int kProcessingFormNumber = 20070;

// The whole record: a 32-bit size, then the blocks of both forms.
inline constexpr std::size_t kFormDescriptionSize = 4 + 490;
const unsigned char* FormDescription();

}  // namespace klarvo::exporting
