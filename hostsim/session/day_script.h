#pragma once
// A day's script: one action a line, as a user or the host would act, read whole before anything
// runs.

#include <filesystem>
#include <string>
#include <vector>

#include "hostsim/session/day.h"

namespace klarvo::sim {

// Reads a day's script; blank lines and lines from # on are left out. Throws std::runtime_error
// naming the file, the line and what is wrong with it.
std::vector<DayAction> ReadDayScript(const std::filesystem::path& script);

// Reads the lines of a day, named `source` and counted from 1; relative paths are taken from
// `folder`.
std::vector<DayAction> ReadDayLines(const std::vector<std::string>& lines, const std::string& source,
                                    const std::filesystem::path& folder);

// A word as a line of a script holds it whatever it contains: in double quotes, a quote and a
// backslash inside it each after a backslash.
std::string ScriptWord(const std::string& word);

// The actions of a day's script and what each takes, for --help.
std::string DayScriptHelp();

}  // namespace klarvo::sim
