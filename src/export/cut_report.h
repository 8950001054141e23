#pragma once
// What an export had to change to fit the import files: accounts cut to 12 characters, customer
// texts cut to their fields, separators and line breaks replaced inside texts, amounts rounded to
// whole grosze. The files keep what Teta reads; the user is told before the summary, once per
// export, so that nothing changes unseen. A cut account is not the account the scheme asked for,
// and two accounts cut to one book different customers together: then the files must not be
// imported.

#include <map>
#include <string>

#include "src/export/customer_accounts.h"
#include "src/export/sales_register.h"
#include "src/posting/posting_line.h"

namespace klarvo::exporting {

class CutReport {
public:
    // A written posting made from scheme entry `entry` for a document (its number as written).
    void NotePosting(int entry, const posting::PostingLine& line, const PostingChanges& changes, const char* document);
    // A written customer record.
    void NoteCustomer(const CustomerChanges& changes);

    // One message titled "Uwaga" when anything was changed; nothing otherwise.
    void Show() const;

private:
    int postings_ = 0;
    int firstEntry_ = 0;
    char accountBefore_[32] = "";
    char accountAfter_[16] = "";
    // Each cut account and the first whole account cut to it: two whole accounts cut to one
    // merge what the books keep apart.
    std::map<std::string, std::string> cutFrom_;
    int mergedAccounts_ = 0;
    std::string mergedOne_, mergedOther_, mergedInto_;
    int replacedPostings_ = 0;
    char firstReplacedDocument_[64] = "";
    int roundedPostings_ = 0;
    char firstRoundedDocument_[64] = "";
    char firstRoundedBefore_[40] = "", firstRoundedAfter_[40] = "";
    int customers_ = 0;
    TextChange firstText_;
    int replacedCustomers_ = 0;
    TextChange firstReplaced_;
    int roundedCustomers_ = 0;
    TextChange firstRounded_;
};

}  // namespace klarvo::exporting
