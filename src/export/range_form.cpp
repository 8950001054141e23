#include "export/range_form.h"

#include "frame/callback.h"
#include "export/form_description.h"
#include "host/forms.h"

namespace klarvo::exporting {

std::uint16_t RunRangeForm(host::WDialogBase* owner, void* settings) {
    host::CallbackObjects<1> callback(owner, host::Bound<host::service::RangeFormItem>());
    return host::Call<host::service::RunForm>(owner, static_cast<const void*>(FormDescription()), host::kRangeForm,
                                              settings, callback.Value(0));
}

}  // namespace klarvo::exporting
