#pragma once
// Whether the host is the one the plug-in was built for, and the report that tells the user
// what is missing or different when it is not.

#include <cstddef>
#include <cstdint>

namespace klarvo::plugin {

inline constexpr std::size_t kReportSize = 3072;

// Reads the host's record lengths of the declared tables; the number of mismatches.
int DeclareTables();

// 0 when every service is there, the host accepts the module, reports the version of its
// headers (host::kHostVersion) and agrees on every declared record length; -1 at the first failure.
int RunLoadChecks();

// The texts of the report, into a buffer of kReportSize bytes. Each returns 0 when it has
// nothing to say: the missing-service counter, -1 for the record-size text.
std::uint32_t MissingServiceText(char* text);
int RecordSizeText(char* text);

// Shows the first of: missing host features, missing services, record-size mismatches, the
// host's own reason, the version message, the not-initialised message.
void ShowLoadFailureReport();

}  // namespace klarvo::plugin
