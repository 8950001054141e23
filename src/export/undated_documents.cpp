#include "src/export/undated_documents.h"

#include <cstdio>
#include <cstring>

#include "src/host/mazovia.h"
#include "src/export/shown_text.h"
#include "src/host/polish_count.h"
#include "src/services/message_boxes.h"

namespace klarvo::exporting {
namespace {

// "1 fakturę", "2 faktury", "5 faktur": the accusative after "Pominięto".
constexpr polish::Forms<const char*> kInvoices = {"fakturę"_mz, "faktury"_mz, "faktur"_mz};
constexpr polish::Forms<const char*> kFillIn = {"uzupełnij jej datę"_mz, "uzupełnij ich daty"_mz, "uzupełnij ich daty"_mz};
constexpr polish::Forms<const char*> kOthers = {"jeszcze %d inną"_mz, "jeszcze %d inne"_mz, "jeszcze %d innych"_mz};

}  // namespace

void UndatedDocuments::Note(const char* number) {
    if (count_ < kNamed) std::snprintf(named_[count_], sizeof named_[count_], "%s", number);
    ++count_;
}

void UndatedDocuments::Show() const {
    if (count_ == 0) return;
    char names[kNamed * (sizeof ShownText::text + 4) + 64] = "";
    for (int k = 0; k < count_ && k < kNamed; ++k) {
        const std::size_t used = std::strlen(names);
        std::snprintf(names + used, sizeof names - used, "%s\"%s\"", k ? ", " : "", ShownText(named_[k]).text);
    }
    if (const int others = count_ - kNamed; others > 0) {
        const std::size_t used = std::strlen(names);
        std::snprintf(names + used, sizeof names - used, " i ");
        const std::size_t more = std::strlen(names);
        std::snprintf(names + more, sizeof names - more, kOthers.After(others), others);
    }
    char text[sizeof names + 256];
    std::snprintf(text, sizeof text,
                  "Pominięto %d %s bez daty (%s).\n"
                  "Faktura bez daty nie trafia do żadnego eksportu: %s w programie i powtórz eksport."_mz,
                  count_, kInvoices.After(count_), names, kFillIn.After(count_));
    services::ShowMessage(text);
}

}  // namespace klarvo::exporting
