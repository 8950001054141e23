#include "src/export/cut_report.h"

#include <cstdio>
#include <cstring>

#include "src/export/grosz_amount.h"
#include "src/export/shown_text.h"
#include "src/host/mazovia.h"
#include "src/host/polish_count.h"
#include "src/services/message_boxes.h"
#include "src/teta/format.h"

namespace klarvo::exporting {
namespace {

// "w 1 księgowaniu", "w 2 księgowaniach"; "1 kontrahenta", "5 kontrahentów".
constexpr polish::Forms<const char*> kInPostings = {"księgowaniu"_mz, "księgowaniach"_mz, "księgowaniach"_mz};
constexpr polish::Forms<const char*> kOfCustomers = {"kontrahenta"_mz, "kontrahentów"_mz, "kontrahentów"_mz};

// The host keeps amounts in ten-thousandths: an amount before its rounding shows them all.
constexpr int kHostDecimals = 4;

}  // namespace

void CutReport::NotePosting(int entry, const posting::PostingLine& line, const PostingChanges& changes, const char* document) {
    if (changes.replaced && replacedPostings_++ == 0)
        std::snprintf(firstReplacedDocument_, sizeof firstReplacedDocument_, "%s", document);
    if (changes.rounded && roundedPostings_++ == 0) {
        std::snprintf(firstRoundedDocument_, sizeof firstRoundedDocument_, "%s", document);
        FormatPolishAmount(firstRoundedBefore_, sizeof firstRoundedBefore_, line.amount, kHostDecimals);
        FormatPolishAmount(firstRoundedAfter_, sizeof firstRoundedAfter_, changes.written, 2);
    }
    if (!line.uncutAccount[0]) return;
    const std::string whole = line.uncutAccount, cut = whole.substr(0, teta::kAccountLength);
    const auto [first, isNew] = cutFrom_.emplace(cut, whole);
    if (!isNew && first->second != whole && mergedAccounts_++ == 0) {
        mergedOne_ = first->second;
        mergedOther_ = whole;
        mergedInto_ = cut;
    }
    if (postings_++ > 0) return;
    firstEntry_ = entry;
    std::snprintf(accountBefore_, sizeof accountBefore_, "%s", whole.c_str());
    std::snprintf(accountAfter_, sizeof accountAfter_, "%s", cut.c_str());
}

void CutReport::NoteCustomer(const CustomerChanges& changes) {
    if (changes.cut.field && customers_++ == 0) firstText_ = changes.cut;
    if (changes.replaced.field && replacedCustomers_++ == 0) firstReplaced_ = changes.replaced;
    if (changes.rounded.field && roundedCustomers_++ == 0) firstRounded_ = changes.rounded;
}

void CutReport::Show() const {
    if (postings_ == 0 && customers_ == 0 && replacedPostings_ == 0 && replacedCustomers_ == 0 && roundedPostings_ == 0 &&
        roundedCustomers_ == 0)
        return;
    char text[2048] = "";
    const auto append = [&](const char* format, auto... arguments) {
        const std::size_t used = std::strlen(text);
        std::snprintf(text + used, sizeof text - used, format, arguments...);
    };
    if (postings_ > 0)
        append("W %d %s konto skrócono do %d znaków (pierwsze: pozycja Dekret_%d,\n"
               "\"%s\" zapisano jako \"%s\"). Konta w pliku różnią się od kont ze schematu.\n"_mz,
               postings_, kInPostings.After(postings_), static_cast<int>(teta::kAccountLength), firstEntry_, accountBefore_,
               accountAfter_);
    if (mergedAccounts_ > 0)
        append("Różne konta stały się jednym kontem, więc różni kontrahenci mają teraz wspólne konto\n"
               "(np. \"%s\" i \"%s\" zapisano jako \"%s\").\n"_mz,
               mergedOne_.c_str(), mergedOther_.c_str(), mergedInto_.c_str());
    if (customers_ > 0)
        append("Dane %d %s nie zmieściły się w polach pliku !Konta.fkx i zostały skrócone\n"
               "(np. kontrahent %d, pole \"%s\": \"%s\" zapisano jako \"%s\").\n"_mz,
               customers_, kOfCustomers.After(customers_), static_cast<int>(firstText_.customer), firstText_.field,
               ShownText(firstText_.before).text, ShownText(firstText_.after).text);
    if (replacedPostings_ > 0)
        append("Znak ■ lub koniec wiersza w tekście zastąpiono odstępem w %d %s pliku !Fs_pln.fkw\n"
               "(pierwsze: dokument \"%.60s\").\n"_mz,
               replacedPostings_, kInPostings.After(replacedPostings_), firstReplacedDocument_);
    if (replacedCustomers_ > 0)
        append("Znak Ź zastąpiono literą Z, a koniec wiersza odstępem w danych %d %s w pliku !Konta.fkx\n"
               "(np. kontrahent %d, pole \"%s\": \"%s\" zapisano jako \"%s\").\n"_mz,
               replacedCustomers_, kOfCustomers.After(replacedCustomers_), static_cast<int>(firstReplaced_.customer),
               firstReplaced_.field, ShownText(firstReplaced_.before).text, ShownText(firstReplaced_.after).text);
    if (roundedPostings_ > 0)
        append("Kwoty z ułamkami grosza zaokrąglono do pełnych groszy w %d %s pliku !Fs_pln.fkw\n"
               "(pierwsze: dokument \"%.60s\", %s zapisano jako %s). Dokument może się przez to nie bilansować.\n"_mz,
               roundedPostings_, kInPostings.After(roundedPostings_), firstRoundedDocument_, firstRoundedBefore_, firstRoundedAfter_);
    if (roundedCustomers_ > 0)
        append("Kwoty z więcej niż dwoma miejscami po przecinku zaokrąglono w danych %d %s w pliku !Konta.fkx\n"
               "(np. kontrahent %d, pole \"%s\": %s zapisano jako %s).\n"_mz,
               roundedCustomers_, kOfCustomers.After(roundedCustomers_), static_cast<int>(firstRounded_.customer),
               firstRounded_.field, firstRounded_.before, firstRounded_.after);
    if (postings_ > 0)
        append("Nie importuj tych plików do systemu Teta: skróć szablon konta w schemacie dekretu\n"
               "(przycisk Konfig) tak, aby konto miało najwyżej %d znaków, i powtórz eksport."_mz,
               static_cast<int>(teta::kAccountLength));
    else
        append("%s", "Sprawdź te dane przed importem do systemu Teta."_mz);
    services::ShowMessage(text);
}

}  // namespace klarvo::exporting
