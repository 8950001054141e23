#pragma once
// Reading the values of the Teta files' fields back.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "check/messages.h"

namespace klarvo::check {

// YYYY-MM-DD that is a real date.
bool IsDate(std::string_view text);

// An amount as "%9.2f" (at least `width` characters, blanks before it) or "%0.2f" (width 0)
// writes it, in hundredths; nothing when the text is no such amount.
std::optional<std::int64_t> Hundredths(std::string_view text, std::size_t width);

// What is wrong with the first byte of a text that is neither printable ASCII nor a Polish
// letter of the host's code page; nothing when there is none.
std::optional<Message> StrangeCharacter(std::string_view text);

// The text without the blanks at its ends.
std::string_view Trimmed(std::string_view text);

}  // namespace klarvo::check
