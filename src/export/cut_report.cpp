#include "src/export/cut_report.h"

#include <cstdio>
#include <cstring>

#include "src/host/mazovia.h"
#include "src/host/polish_count.h"
#include "src/services/message_boxes.h"
#include "src/teta/format.h"

namespace klarvo::exporting {
namespace {

// "w 1 księgowaniu", "w 2 księgowaniach"; "u 1 kontrahenta", "u 5 kontrahentów".
constexpr polish::Forms<const char*> kInPostings = {"księgowaniu"_mz, "księgowaniach"_mz, "księgowaniach"_mz};
constexpr polish::Forms<const char*> kAtCustomers = {"kontrahenta"_mz, "kontrahentów"_mz, "kontrahentów"_mz};

}  // namespace

void CutReport::NotePosting(int entry, const posting::PostingLine& line, bool replaced, const char* document) {
    if (replaced && replacedPostings_++ == 0)
        std::snprintf(firstReplacedDocument_, sizeof firstReplacedDocument_, "%s", document);
    if (!line.uncutAccount[0]) return;
    if (postings_++ > 0) return;
    firstEntry_ = entry;
    std::snprintf(accountBefore_, sizeof accountBefore_, "%s", line.uncutAccount);
    std::snprintf(accountAfter_, sizeof accountAfter_, "%.12s", line.uncutAccount);
}

void CutReport::NoteCustomer(const CustomerChanges& changes) {
    if (changes.cut.field && customers_++ == 0) firstText_ = changes.cut;
    if (changes.replaced.field && replacedCustomers_++ == 0) firstReplaced_ = changes.replaced;
}

void CutReport::Show() const {
    if (postings_ == 0 && customers_ == 0 && replacedPostings_ == 0 && replacedCustomers_ == 0) return;
    char text[1536] = "";
    const auto append = [&](const char* format, auto... arguments) {
        const std::size_t used = std::strlen(text);
        std::snprintf(text + used, sizeof text - used, format, arguments...);
    };
    if (postings_ > 0)
        append("Konta dłuższe niż %d znaków skrócono w %d %s (pierwsze z pozycji Dekret_%d schematu:\n"
               "\"%s\" zapisano jako \"%s\"). Różni kontrahenci mogą mieć teraz wspólne konto.\n"_mz,
               static_cast<int>(teta::kAccountLength), postings_, kInPostings.After(postings_), firstEntry_, accountBefore_, accountAfter_);
    if (customers_ > 0)
        append("Teksty dłuższe niż ich pola w pliku Konta.fkx skrócono u %d %s (np. kontrahent %d,\n"
               "pole %s: \"%.80s\" zapisano jako \"%s\").\n"_mz,
               customers_, kAtCustomers.After(customers_), static_cast<int>(firstText_.customer), firstText_.field, firstText_.before,
               firstText_.after);
    if (replacedPostings_ > 0)
        append("Znak ■ lub koniec wiersza w tekście zastąpiono odstępem w %d %s pliku Fs_pln.fkw\n"
               "(pierwsze: dokument \"%.60s\").\n"_mz,
               replacedPostings_, kInPostings.After(replacedPostings_), firstReplacedDocument_);
    if (replacedCustomers_ > 0)
        append("Znak Ź zastąpiono literą Z, a koniec wiersza odstępem, u %d %s pliku Konta.fkx\n"
               "(np. kontrahent %d, pole %s: \"%.80s\" zapisano jako \"%.80s\").\n"_mz,
               replacedCustomers_, kAtCustomers.After(replacedCustomers_), static_cast<int>(firstReplaced_.customer), firstReplaced_.field,
               firstReplaced_.before, firstReplaced_.after);
    append("%s", "Sprawdź te dane przed importem do systemu Teta."_mz);
    services::ShowMessage(text);
}

}  // namespace klarvo::exporting
