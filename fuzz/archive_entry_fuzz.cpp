// Arbitrary bytes as an entry of the archive of imports, its files named by the bytes too:
// klarvo-check reads the entry as an archived export or tells the archive damaged (CheckFailure),
// and nothing else.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "check/archive.h"
#include "check/messages.h"

namespace {

namespace fs = std::filesystem;

// Up to three files: each a name byte ('a' to 'd', or a Teta name) and a share of the bytes.
void WriteEntry(const fs::path& entry, const std::string& bytes) {
    fs::remove_all(entry);
    fs::create_directories(entry);
    const std::size_t share = bytes.size() / 3 + 1;
    for (std::size_t at = 0; at < bytes.size(); at += share) {
        const std::string piece = bytes.substr(at, share);
        const unsigned char kind = static_cast<unsigned char>(piece.front()) % 6;
        const std::string name = kind == 4 ? "!Fs_pln.fkw" : kind == 5 ? "!Konta.fkx" : std::string(1, static_cast<char>('a' + kind));
        std::ofstream(entry / name, std::ios::binary | std::ios::app) << piece.substr(1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fs::path archive = fs::temp_directory_path() / "klarvo-fuzz-archive";
    WriteEntry(archive / "2024-04-02_2024-01-02_2024-03-25", std::string(reinterpret_cast<const char*>(data), size));
    klarvo::check::Findings findings;
    try {
        klarvo::check::ArchivedExports(archive, findings);
    } catch (const klarvo::check::CheckFailure&) {
    }
    return 0;
}
