#pragma once
// The platform stand-in for a host linked into the same program: the host module "MORVEL" is
// the linked host, whose exports a lookup function answers.

#include "src/frame/platform.h"

namespace klarvo::frame::platform {

using ExportLookup = CodeAddress (*)(std::uint16_t ordinal);

// The plug-in's own module as the stand-in knows it; its file is "Klarvo.dll".
ModuleHandle LinkedPluginModule();

// Connects the stand-in to the host that lives in this program.
void LinkHost(ExportLookup lookup);

}  // namespace klarvo::frame::platform
