#pragma once
// How the host tidies customer texts in place.

namespace klarvo::sim {

// Blanks at both ends go, every run of blanks becomes one.
void CleanName(char* text);

// Blanks and commas at both ends go.
void CleanAddressPart(char* text);

}  // namespace klarvo::sim
