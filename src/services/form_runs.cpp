#include "src/services/form_runs.h"

#include <utility>

#include "src/host/forms.h"
#include "src/services/callback.h"
#include "src/services/posting_scheme_entries.h"

namespace klarvo::services {
namespace {

using EditorCallbacks = CallbackObjects<host::kAmountPickFields>;

// One callback value per amount pick field of the editor.
template <std::size_t... Field>
std::uint16_t RunEditor(host::WDialogBase* owner, EditorCallbacks& callbacks, std::index_sequence<Field...>) {
    return frame::Call<host::service::RunHostForm>(owner, host::kSchemeEditorForm,
                                                   static_cast<void*>(PostingSchemeEntries()), 0,
                                                   callbacks.Value(Field)..., 0);
}

}  // namespace

std::uint16_t RunForm(host::WDialogBase* owner, const void* description, int form, void* data) {
    CallbackObjects<1> callback(owner, frame::Bound<host::service::RangeFormItem>());
    return frame::Call<host::service::RunForm>(owner, description, form, data, callback.Value(0));
}

std::uint16_t RunSchemeEditor(host::WDialogBase* owner) {
    EditorCallbacks callbacks(owner, frame::Bound<host::service::SchemeEditorItem>());
    return RunEditor(owner, callbacks, std::make_index_sequence<host::kAmountPickFields>());
}

char* ListTextBuffer() { return frame::Call<host::service::ListTextBuffer>(); }

}  // namespace klarvo::services
