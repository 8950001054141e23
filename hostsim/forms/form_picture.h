#pragma once
// A form as the user sees it, drawn in character cells.

#include <cstddef>
#include <map>
#include <string>

#include "hostsim/forms/form_layout.h"

namespace klarvo::sim {

// UTF-8 text, one line per row: the frame with the title, every control at its column and row,
// hotkey letters underlined (a combining low line, which takes no cell), the engine's control
// bytes taking no cell. `shown` gives the content of input fields (a text) and check boxes
// ("x" when ticked), by control index.
std::string DrawForm(const FormLayout& form, const std::map<std::size_t, std::string>& shown);

}  // namespace klarvo::sim
