#pragma once
// The host's form engine as a module meets it: the forms it runs by number, the codes they
// return, the event of a pressed button, and the parts of a module's own form description that
// the engine reads (control kinds, flags, keys, the input field's fixed part).

#include <cstddef>
#include <cstdint>

namespace klarvo::host {

// What a form returns when the user leaves it.
inline constexpr std::uint16_t kFormConfirmed = 0x5001;
inline constexpr std::uint16_t kFormAbandoned = 0x5002;

// The plug-in's own forms, by the numbers its description gives them.
inline constexpr int kRangeForm = 20010;
inline constexpr int kProcessingForm = 20070;
// The host's own posting-scheme editor.
inline constexpr int kSchemeEditorForm = 1254;

// The event kind with which a form's command handler hears a button pressed.
inline constexpr std::int16_t kButtonPressed = 1;

// Control kinds of a form description.
enum ControlKind : std::uint16_t { kButton = 0, kCheckBox = 2, kText = 3, kBar = 4, kInputField = 5, kBox = 7 };

// A control that returns no command.
inline constexpr std::uint16_t kNoCommand = 0xFFFF;
// Flag of the input fields and check boxes that edit the form's data record, in their order.
inline constexpr std::uint16_t kEditsRecord = 0x0400;
// Hotkeys from here on are key codes, not letters.
inline constexpr std::uint16_t kKeyCodes = 0x8000;
inline constexpr std::uint16_t kF12Key = 0x8600;

// An input field starts with its kind and the length of its fixed part, and carries this many
// bytes of parameters after the control's header.
inline constexpr std::uint16_t kInputFieldFixedPart = 38;
inline constexpr std::size_t kInputParameterBytes = 18;

}  // namespace klarvo::host
