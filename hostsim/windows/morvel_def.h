// Run through the preprocessor only (hostsim/windows/morvel_def.cmake): the service list itself
// gives MORVEL.dll's exports, one "klarvo_def_row NUMBER TYPE" each, after the marker.

#include "src/host/service_list.h"

#define KLARVO_DEF_ROW(number, name, type) klarvo_def_row number type
klarvo_def_begin KLARVO_HOST_SERVICES(KLARVO_DEF_ROW)
