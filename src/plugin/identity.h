#pragma once
// The product as the host and its user meet it. The resource compiler reads it too.

// The caption of the plug-in's command, as the host's menu shows it, and the name the plug-in
// gives itself at load, in its reports and in its file's description.
#define KLARVO_DISPLAY_NAME "Eksport Teta (txt)"

#ifndef RC_INVOKED
namespace klarvo::plugin {

inline constexpr char kDisplayName[] = KLARVO_DISPLAY_NAME;

}  // namespace klarvo::plugin
#endif
