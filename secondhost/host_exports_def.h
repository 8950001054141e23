// Run through the preprocessor only (host_exports_def.cmake): the list of this host's exports
// gives MORVEL.def, one "klarvo_def_row NUMBER SYMBOL" each after the marker, then the data items.

#include "secondhost/host_exports.h"

#define MORVEL_DEF_ROW(number, symbol) klarvo_def_row number symbol
#define MORVEL_DATA_ROW(number) klarvo_def_row data number
klarvo_def_begin MORVEL_EXPORTS(MORVEL_DEF_ROW) MORVEL_DATA_ITEMS(MORVEL_DATA_ROW)
