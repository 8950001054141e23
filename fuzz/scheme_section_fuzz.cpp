// Arbitrary bytes as the host's configuration, config.ini, with its posting schemes: the plug-in's
// export loads the stored scheme (and refuses one it cannot read) and klarvo-check reads the
// scheme, without failing and without breaking a contract of the host.

#include <cstddef>
#include <cstdint>

#include "check/messages.h"
#include "check/scheme_accounts.h"
#include "fuzz/fuzz_company.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    klarvo::fuzz::Write("config.ini", std::string(reinterpret_cast<const char*>(data), size));
    klarvo::fuzz::RunExport(false);
    try {
        klarvo::check::ReadPostingScheme(klarvo::fuzz::Company() / "config.ini");
    } catch (const klarvo::check::CheckFailure&) {
    }
    return 0;
}
