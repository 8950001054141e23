#pragma once
// The host's form engine reading a form description that a module hands it (24007): a 32-bit
// size of what follows, then one block per form, each with its controls. Every count, size,
// kind, caption and place is checked, so that a malformed description is refused before anything
// is drawn.

#include <stdint.h>

namespace morvel {

enum ControlKind : uint16_t { kButton = 0, kCheckBox = 2, kText = 3, kBar = 4, kInputField = 5, kBox = 7 };

// The flag of the input fields and check boxes that edit the form's data record, in their order.
constexpr uint16_t kEditsRecord = 0x0400;
// Hotkeys from here on are key codes, not letters.
constexpr uint16_t kKeyCode = 0x8000;

struct FormControl {
    uint16_t kind, command, flags, hotkey, column, row, width, height;
    uint32_t value;
    const char* caption;  // in the description itself
};

struct FormBlock {
    static constexpr int kRoom = 16;
    uint16_t number;
    uint32_t flags;
    uint16_t width, height;
    const char* title;
    int controlCount;
    FormControl controls[kRoom];
};

// The forms of a description, at most `room`; 0 when it is malformed, with what is wrong in `fault`.
int ReadFormDescription(const unsigned char* description, FormBlock* forms, int room, const char** fault);

// What a caption shows, without its "~" marks and the engine's control bytes, into `shown`.
void VisibleCaption(const char* caption, char* shown, int room);

}  // namespace morvel
