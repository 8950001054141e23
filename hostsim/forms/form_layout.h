#pragma once
// The host's form engine reading a form description that a module hands it: every form block
// and control checked, so that a malformed description is refused before anything is drawn.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "src/host/forms.h"

namespace klarvo::sim {

class FormDescriptionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ControlLayout {
    std::uint16_t kind, command, flags, hotkey, column, row, width, height;
    std::uint32_t value;
    std::string caption;  // Mazovia, with its "~" marks and control bytes
};

struct FormLayout {
    std::uint16_t number;
    std::uint32_t flags;
    std::uint16_t width, height;
    std::string title;
    std::vector<ControlLayout> controls;
};

// Reads the 32-bit size and the form blocks after it; throws FormDescriptionError on the first
// fault: sizes and counts that disagree, an unknown kind, a caption without its NUL, unpaired
// hotkey marks, a hotkey that is not the marked letter, a control outside its form.
std::vector<FormLayout> ReadFormDescription(const unsigned char* description);

// What a caption shows: without the "~" marks and the engine's control bytes.
std::string VisibleCaption(const std::string& caption);

}  // namespace klarvo::sim
