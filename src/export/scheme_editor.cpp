#include "export/scheme_editor.h"

#include <utility>

#include "frame/callback.h"
#include "frame/posting_scheme_buffer.h"
#include "host/forms.h"

namespace klarvo::exporting {
namespace {

using Callbacks = host::CallbackObjects<host::kAmountPickFields>;

// One callback value per amount pick field of the editor.
template <std::size_t... Field>
std::uint16_t Run(host::WDialogBase* owner, Callbacks& callbacks, std::index_sequence<Field...>) {
    return host::Call<host::service::RunHostForm>(owner, host::kSchemeEditorForm,
                                                  static_cast<void*>(host::PostingSchemeEntries()), 0,
                                                  callbacks.Value(Field)..., 0);
}

}  // namespace

std::uint16_t RunSchemeEditor(host::WDialogBase* owner) {
    Callbacks callbacks(owner, host::Bound<host::service::SchemeEditorItem>());
    return Run(owner, callbacks, std::make_index_sequence<host::kAmountPickFields>());
}

}  // namespace klarvo::exporting
