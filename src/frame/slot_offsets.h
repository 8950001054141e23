#pragma once
// For code written in the assembler: the symbols klarvo_slot_NUMBER, each the offset of a
// service's slot in klarvo_service_slots (binding.h), which assembly jumps through by name.

#include "src/host/assembler.h"
#include "src/host/service_list.h"

#define KLARVO_SLOT_OFFSET(number, name, type)                                   \
    ".set klarvo_slot_" #number ", klarvo_slot_offset\n"                         \
    ".set klarvo_slot_offset, klarvo_slot_offset+" KLARVO_EXPANDED_TEXT(__SIZEOF_POINTER__) "\n"
#define KLARVO_SLOT_OFFSETS ".set klarvo_slot_offset, 0\n" KLARVO_HOST_SERVICES(KLARVO_SLOT_OFFSET)
