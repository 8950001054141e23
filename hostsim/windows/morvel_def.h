// Run through the preprocessor only (hostsim/windows/morvel_def.cmake): the service list itself
// gives MORVEL.dll's exports, one "@ NUMBER TYPE" each, after the marker.

#include "src/host/service_list.h"

#define KLARVO_DEF_ROW(number, name, type) @ number type
klarvo_def_begin KLARVO_HOST_SERVICES(KLARVO_DEF_ROW)
