#pragma once
// The progress window as the host keeps and draws it, whichever host program's services open it:
// drawn on standard error while the host is asked to, a new caption at once, a counter no more
// often than a person can read it.

#include "hostsim/host.h"

namespace klarvo::sim {

void OpenProgressWindow(Host& host);
// A null text is not set; a new caption clears the counter unless one comes with it.
void SetProgressWindowTexts(Host& host, const char* counter, const char* caption);
void RefreshProgressWindow(Host& host);
void CloseProgressWindow(Host& host);

}  // namespace klarvo::sim
