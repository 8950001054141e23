#pragma once
// Documents marked for export that carry no date: no period holds them, so no export will ever
// book them. The user is told how many, and the first few by number, once per run.

#include "src/host/records.h"

namespace klarvo::exporting {

class UndatedDocuments {
public:
    // A document marked for export whose date is empty, by its number as the host keeps it.
    void Note(const char* number);

    // One message after the summary when any document was left out; nothing otherwise.
    void Show() const;

private:
    static constexpr int kNamed = 3;
    int count_ = 0;
    char named_[kNamed][host::tspr::kNumber.room + 1] = {};
};

}  // namespace klarvo::exporting
