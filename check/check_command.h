#pragma once
// klarvo-check's command line: which files, which tables, which history, which language; then
// the check, its report and its exit code.

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "check/language.h"

namespace klarvo::check {

enum ExitCode : int { kSound = 0, kFindings = 1, kFailed = 2 };

struct Console {
    std::ostream& out;
    std::ostream& err;
    std::function<void()> beforeTable = {};  // before a table for a program goes to `out`
};

// The arguments without the program's name; `language` is the user's, unless --lang says otherwise.
int RunCheck(const std::vector<std::string>& arguments, Language language, const Console& console);

}  // namespace klarvo::check
