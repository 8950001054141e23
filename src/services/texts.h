#pragma once
// The host's small text and amount helpers.

#include "src/frame/service_call.h"

namespace klarvo::services {

// Removes the character at `at`; the rest of the text moves one place to the left.
inline void DeleteCharacter(char* at) { frame::Call<host::service::DeleteCharacter>(at); }

// Inserts a character at `at`; the rest of the text moves one place to the right.
inline void InsertCharacter(char* at, char character) {
    frame::Call<host::service::InsertCharacter>(at, static_cast<unsigned char>(character));
}

// Copies at most `count` characters and ends the destination (count + 1 bytes) with a NUL.
inline void CopyText(char* destination, const char* source, int count) {
    frame::Call<host::service::CopyText>(destination, source, count);
}

// Whether the host counts a raw amount as an amount at all.
inline bool CarriesAmount(double amount) { return frame::Call<host::service::AmountValue>(amount, 1) != 0; }

}  // namespace klarvo::services
