#pragma once
// The host's small text and amount helpers.

#include "frame/service_call.h"

namespace klarvo::host {

// Removes the character at `at`; the rest of the text moves one place to the left.
inline void DeleteCharacter(char* at) { Call<service::DeleteCharacter>(at); }

// Inserts a character at `at`; the rest of the text moves one place to the right.
inline void InsertCharacter(char* at, char character) {
    Call<service::InsertCharacter>(at, static_cast<unsigned char>(character));
}

// Copies at most `count` characters and ends the destination (count + 1 bytes) with a NUL.
inline void CopyText(char* destination, const char* source, int count) {
    Call<service::CopyText>(destination, source, count);
}

// Whether the host counts a raw amount as an amount at all.
inline bool CarriesAmount(double amount) { return Call<service::AmountValue>(amount, 1) != 0; }

}  // namespace klarvo::host
