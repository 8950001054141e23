#pragma once
// The host's forms: a form of the module's own description, the host's posting-scheme editor,
// and the list-text buffer into which a form's list entries are written.

#include <cstdint>

#include "src/host/dialog.h"

namespace klarvo::services {

// Runs form `form` of the module's form description over the data record, which the host edits
// in place; the form's result code (host::kFormConfirmed or host::kFormAbandoned).
std::uint16_t RunForm(host::WDialogBase* owner, const void* description, int form, void* data);

// Runs the host's posting-scheme editor over the posting-scheme buffer; its result code
// (host::kFormAbandoned when left without saving).
std::uint16_t RunSchemeEditor(host::WDialogBase* owner);

// The host's buffer for the text of one list entry; the same buffer on every call.
char* ListTextBuffer();

}  // namespace klarvo::services
