// The host's small helpers for texts and amounts (52161, 52132, 52130, 52179) and its
// posting-scheme buffer (51546).

#include "secondhost/host_interface.h"
#include "secondhost/host_runtime.h"
#include "secondhost/served_call.h"

namespace morvel {

PostingSchemeEntry g_schemeBuffer[kSchemeEntries];

}  // namespace morvel

using namespace morvel;

extern "C" char* PostingSchemeBuffer() {
    ServiceCall call = Serve<51546>();
    return call.Done(reinterpret_cast<char*>(g_schemeBuffer));
}

// At most `count` characters, and always the NUL after them.
extern "C" void CopyText(char* destination, const char* source, int count) {
    ServiceCall call = Serve<52161>();
    if (call.Require(count >= 0, "a text copied with a negative length"))
        CopyBounded(destination, static_cast<size_t>(count) + 1, source);
    call.Done();
}

extern "C" void DeleteCharacter(char* at) {
    ServiceCall call = Serve<52132>();
    memmove(at, at + 1, strlen(at + 1) + 1);
    call.Done();
}

extern "C" void InsertCharacter(char* at, int character) {
    ServiceCall call = Serve<52130>();
    memmove(at + 1, at, strlen(at) + 1);
    *at = static_cast<char>(character);
    call.Done();
}

// 0 exactly when the amount is none.
extern "C" double AmountValue(double amount, int scale) {
    ServiceCall call = Serve<52179>();
    call.Require(scale == 1, "an amount tested with a scale other than 1");
    return call.Done(amount);
}
