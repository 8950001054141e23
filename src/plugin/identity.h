#pragma once
// The product as the host and its user meet it.

namespace klarvo::plugin {

// The caption of the plug-in's command, as the host's menu shows it, and the name the plug-in
// gives itself at load and in its reports.
inline constexpr char kDisplayName[] = "Eksport Teta (txt)";

}  // namespace klarvo::plugin
