#pragma once
// The state of the host's windows: the message boxes shown, and the progress window.

#include <string>
#include <vector>

namespace klarvo::sim {

struct Message {
    std::string title;  // UTF-8
    std::string text;   // UTF-8
    bool formatted;     // shown through the formatted message box
};

struct Progress {
    bool open = false;
    std::string caption, counter;
    std::string shownCaption;  // the caption last drawn
    long long opened = 0;      // milliseconds
    long long lastDraw = 0;
};

}  // namespace klarvo::sim
