// Run through the preprocessor only (src/plugin/klarvo_def.cmake): the list of the module's entry
// points gives Klarvo.dll's exports, one "klarvo_def_row ORDINAL SYMBOL BYTES" each, after the marker.

#include "src/host/module_entries.h"

#define KLARVO_DEF_ROW(ordinal, name, symbol, bytes) klarvo_def_row ordinal symbol bytes
klarvo_def_begin KLARVO_MODULE_ENTRIES(KLARVO_DEF_ROW)
