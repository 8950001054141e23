#pragma once
// printf-style formatting as the host's services do it.

#include <cstdarg>
#include <string>

namespace klarvo::sim {

std::string Format(const char* format, va_list arguments);

}  // namespace klarvo::sim

namespace klarvo::sim {

// A text of the host's message window as the window lays it out, for a terminal: a directive
// between two bytes 0x01 sets the tab stops ("tl18l33": a left stop at column 18 and one at 33;
// "p" stops end their field at the column), a tab moves to the next stop, and the other markup
// bytes (0x02 to 0x05) take no room.
std::string LaidOutMessage(const std::string& text);

}  // namespace klarvo::sim
