#pragma once
// The export object's virtual table as the host's dialog base class lays it out: the object's
// own operations where it overrides the base, the host's services everywhere else.

namespace klarvo::exporting {

// 35 entries, in the host's order.
const void* const* ExportObjectTable();

}  // namespace klarvo::exporting
