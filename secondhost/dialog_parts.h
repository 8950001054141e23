#pragma once
// What the host's form engine needs to know of the dialog base parts and callback objects it
// made: which operation of the base class was reached last, and on which object; whether an object
// has a base part the host made; the list-text buffer; the data items and their live callbacks.

#include "secondhost/host_interface.h"

namespace morvel {

void Reached(int entry, const WDialogBase* object);
bool ReachedLast(int entry, const WDialogBase* object);
bool MadeByHost(const WDialogBase* object);

const char* ListText();
// Whether nothing was written past the list-text buffer.
bool ListTextGuarded();

const void* RangeFormData();
const void* SchemeEditorData();
// The live callback objects built from `item` whose value is `value`.
int LiveCallbacksOf(const void* item, int value);

}  // namespace morvel
