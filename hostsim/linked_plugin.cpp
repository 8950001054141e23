#include "linked_plugin.h"

#include "export/export_object.h"
#include "posting/posting_scheme.h"

namespace klarvo::sim {

const Plugin& LinkedPlugin() {
    static const Plugin plugin{
        &exporting::ExportCommand,
        [] {
            posting::TransferPostingScheme(posting::kSalesInvoiceScheme, posting::Transfer::Load);
            return 0;
        },
        &posting::AmountName,
    };
    return plugin;
}

}  // namespace klarvo::sim
