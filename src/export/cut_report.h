#pragma once
// What an export had to shorten to fit the import files: accounts cut to 12 characters and
// customer texts cut to their fields. The files keep the widths that Teta reads; the user is
// told before the summary, once per export, so that nothing is shortened unseen.

#include "export/customer_accounts.h"
#include "posting/posting_line.h"

namespace klarvo::exporting {

class CutReport {
public:
    // A written posting made from scheme entry `entry`.
    void NotePosting(int entry, const posting::PostingLine& line);
    // A written customer record.
    void NoteCustomer(const TextCut& cut);

    // One message titled "Uwaga" when anything was cut; nothing otherwise.
    void Show() const;

private:
    int postings_ = 0;
    int firstEntry_ = 0;
    char accountBefore_[32] = "";
    char accountAfter_[16] = "";
    int customers_ = 0;
    TextCut firstText_;
};

}  // namespace klarvo::exporting
