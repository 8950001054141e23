#pragma once
// Both Teta files read back and checked together.

#include <string>
#include <string_view>

#include "accounts_check.h"
#include "findings.h"
#include "register_check.h"

namespace klarvo::check {

struct TetaFiles {
    std::string registerName, accountsName;
    std::string registerBytes, accountsBytes;
};

struct CheckResult {
    RegisterContent salesRegister;
    AccountsContent accounts;
    Findings findings;
};

CheckResult CheckTetaFiles(const TetaFiles& files);

// The files of a company folder, or the two files named; throws std::runtime_error naming a
// file that cannot be read.
TetaFiles ReadTetaFiles(const std::string& registerPath, const std::string& accountsPath);

}  // namespace klarvo::check
