#pragma once
// Both Teta files read back and checked together, as streams: the customer accounts file first,
// so that every posting to a customer's account can be held against it, then the register. With
// a history of earlier exports, a document exported before is found, and a customer whose record
// changed since.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <istream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "check/accounts_check.h"
#include "check/export_folder.h"
#include "check/findings.h"
#include "check/register_check.h"
#include "check/scheme_accounts.h"
#include "src/teta/format.h"

namespace klarvo::check {

inline constexpr const char* kRegisterFile = teta::kRegisterFileName;
inline constexpr const char* kAccountsFile = teta::kAccountsFileName;

// What earlier exports (the archive of imported ones) held.
struct History {
    std::map<DocumentKey, std::string> documents;  // and the folder of the export that holds each
    std::map<std::int32_t, std::string> records;  // the last earlier record of each customer
};

// The files of earlier exports (an earlier register file may come without its accounts file);
// throws CheckFailure naming one that cannot be read.
History ReadHistory(const std::vector<ExportFiles>& exports);

struct CheckSetup {
    std::string registerName = kRegisterFile, accountsName = kAccountsFile;
    PostingScheme scheme = DefaultPostingScheme();
    const History* history = nullptr;
    RowSink registerRows, accountRows;
    std::size_t firstPlaces = Findings::kFirstPlaces;  // kept per rule
    Language language = Language::English;             // of the findings
};

struct CheckResult {
    RegisterContent salesRegister;
    AccountsContent accounts;
    Findings findings;
};

CheckResult CheckTetaFiles(std::istream& registerIn, std::istream& accountsIn, const CheckSetup& setup = {});

// The same over the files' bytes.
CheckResult CheckTetaBytes(const std::string& registerBytes, const std::string& accountsBytes,
                           const CheckSetup& setup = {});

// A file opened for reading; throws CheckFailure naming a folder or a file that cannot be read.
std::ifstream OpenTetaFile(const std::filesystem::path& path);

}  // namespace klarvo::check
