#include "posting/range_form.h"

#include "host/callback.h"

namespace klarvo::posting {

std::uint16_t RunRangeForm(host::WDialogBase* owner, void* settings) {
    host::CallbackObject callback(owner, host::Bound<host::service::RangeFormItem>());
    // The form description is handed over once the form engine reads one.
    return host::Call<host::service::RunForm>(owner, static_cast<const void*>(nullptr),
                                              kRangeFormNumber, settings, callback.Value());
}

}  // namespace klarvo::posting
