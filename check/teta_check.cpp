#include "teta_check.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace klarvo::check {
namespace {

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error(path + ": cannot be read");
    std::ostringstream content;
    content << in.rdbuf();  // sets failbit on content for an empty file, which is no error here
    if (in.bad()) throw std::runtime_error(path + ": cannot be read");
    return content.str();
}

}  // namespace

CheckResult CheckTetaFiles(const TetaFiles& files) {
    CheckResult result;
    result.salesRegister = CheckRegister(files.registerBytes, files.registerName, result.findings);
    result.accounts = CheckAccounts(files.accountsBytes, files.accountsName, result.findings);
    return result;
}

TetaFiles ReadTetaFiles(const std::string& registerPath, const std::string& accountsPath) {
    return {registerPath, accountsPath, ReadBytes(registerPath), ReadBytes(accountsPath)};
}

}  // namespace klarvo::check
