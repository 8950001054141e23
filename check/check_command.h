#pragma once
// klarvo-check's command line: which files, which tables, which history, which language; then
// the check, its report and its exit code.

#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "check/language.h"

namespace klarvo::check {

enum ExitCode : int { kSound = 0, kFindings = 1, kFailed = 2 };

// Where klarvo-check runs without a console, started from Explorer: what it tells goes to a
// message box, and the report it writes is opened in the browser.
struct Desktop {
    std::function<void(const std::string& text, bool failed)> show;
    std::function<void(const std::filesystem::path& page)> open;
};

struct Console {
    std::ostream& out;
    std::ostream& err;
    std::function<void()> beforeTable = {};  // before a table for a program goes to `out`
    std::optional<Desktop> desktop = {};
    std::function<std::tm()> now = LocalTime;  // for the report's "checked on"

    static std::tm LocalTime();
};

// The arguments without the program's name; `language` is the user's, unless --lang says otherwise.
// On the desktop, the arguments are the folder or the two files dropped onto the program, or none
// for the working folder; the report is written beside the files, in the user's language.
int RunCheck(std::vector<std::string> arguments, Language language, const Console& console);

}  // namespace klarvo::check
