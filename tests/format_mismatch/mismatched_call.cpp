// A writer's call that does not match its format must not build; KLARVO_MISMATCH picks the fault.
// Each is the kind of slip that would otherwise write undefined bytes into the books.

#include <cstdint>

#include "src/teta/format.h"

namespace {

int Discard(const char*, ...) { return 0; }

}  // namespace

int main() {
    using klarvo::teta::kAccountRecordFormat, klarvo::teta::kPostingRecordFormat, klarvo::teta::PrintInFormat;
    const std::int32_t customer = 1;
    const char* text = "";
#if KLARVO_MISMATCH == 1  // an amount written as a whole number: printf reads a double that is not there
    return PrintInFormat<kPostingRecordFormat>(Discard, text, 0, 1.0, text, text, text, text, text, text, text);
#elif KLARVO_MISMATCH == 2  // the description left out
    return PrintInFormat<kPostingRecordFormat>(Discard, text, 0.0, 1.0, text, text, text, text, text, text);
#elif KLARVO_MISMATCH == 3  // the customer's number and short name swapped
    return PrintInFormat<kAccountRecordFormat>(Discard, text, customer, text, text, text, text, text, text, text, 0.0, 0.0);
#else  // the matching calls, which build
    return PrintInFormat<kPostingRecordFormat>(Discard, text, 0.0, 1.0, text, text, text, text, text, text, text) +
           PrintInFormat<kAccountRecordFormat>(Discard, customer, text, text, text, text, text, text, text, text, 0.0, 0.0);
#endif
}
