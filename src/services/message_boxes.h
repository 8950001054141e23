#pragma once
// Message boxes of the host.

namespace klarvo::services {

// A message titled "Uwaga"; returns when the user has closed it.
void ShowMessage(const char* text);

// The same with a printf-style text.
void ShowFormattedMessage(const char* format, ...);

}  // namespace klarvo::services
