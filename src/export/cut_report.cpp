#include "export/cut_report.h"

#include <cstdio>
#include <cstring>

#include "host/mazovia.h"
#include "frame/messages.h"

namespace klarvo::exporting {

void CutReport::NotePosting(int entry, const posting::PostingLine& line) {
    if (!line.uncutAccount[0]) return;
    if (postings_++ > 0) return;
    firstEntry_ = entry;
    std::snprintf(accountBefore_, sizeof accountBefore_, "%s", line.uncutAccount);
    std::snprintf(accountAfter_, sizeof accountAfter_, "%.12s", line.uncutAccount);
}

void CutReport::NoteCustomer(const TextCut& cut) {
    if (!cut.field) return;
    if (customers_++ == 0) firstText_ = cut;
}

void CutReport::Show() const {
    if (postings_ == 0 && customers_ == 0) return;
    char text[1024] = "";
    const auto append = [&](const char* format, auto... arguments) {
        const std::size_t used = std::strlen(text);
        std::snprintf(text + used, sizeof text - used, format, arguments...);
    };
    if (postings_ > 0)
        append("Konta dłuższe niż 12 znaków skrócono w %d księgowaniach (pierwsze z pozycji Dekret_%d schematu:\n"
               "\"%s\" zapisano jako \"%s\"). Różni kontrahenci mogą mieć teraz wspólne konto.\n"_mz,
               postings_, firstEntry_, accountBefore_, accountAfter_);
    if (customers_ > 0)
        append("Teksty dłuższe niż ich pola w pliku Konta.fkx skrócono u %d kontrahentów (np. kontrahent %d,\n"
               "pole %s: \"%.80s\" zapisano jako \"%s\").\n"_mz,
               customers_, static_cast<int>(firstText_.customer), firstText_.field, firstText_.before,
               firstText_.after);
    append("%s", "Sprawdź te dane przed importem do systemu Teta."_mz);
    host::ShowMessage(text);
}

}  // namespace klarvo::exporting
