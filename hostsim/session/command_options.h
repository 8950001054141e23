#pragma once
// The options of morvel's commands, read alike from morvel's command line and from the lines of
// a day's script: the form's answers, the scheme editor's input, and the host's conditions.

#include <filesystem>
#include <string>

#include <CLI/CLI.hpp>

#include "hostsim/host.h"

namespace klarvo::sim {

// A value an option cannot take, named with the option.
[[noreturn]] void Refuse(const std::string& option, const std::string& why);

// YYYY-MM-DD (or empty, for no date) as a host date string.
std::string HostDateAnswer(const std::string& option, const std::string& text);

// What the user answers in the range form: the period, the check box, "Anuluj", the host's date
// and the progress window drawn.
void AddExportOptions(CLI::App& command, HostOptions& options);

// The scheme editor reached from the range form: typed in from a scheme file (relative to
// `folder`) and confirmed or abandoned, or only shown. `abandon` is read after the parse, since
// --edit resets it.
void AddSchemeOptions(CLI::App& command, HostOptions& options, bool& abandon, const std::filesystem::path& folder = {});
// Applies --abandon once the command line is read.
void ApplyAbandon(HostOptions& options, bool abandon);

// A host that does not fit the plug-in: its version, services, tables, record lengths, refusal,
// features and the install notice's answer.
void AddHostOptions(CLI::App& command, HostOptions& options);

// What fails in the host or on its disk during the command: a service's call, a file's writes,
// an output file that cannot be opened.
void AddFailureOptions(CLI::App& command, HostOptions& options);

// SERVICE[:CALL]: a service of the plug-in's list and a call from 1.
ThrowIn ThrowInAnswer(const std::string& option, const std::string& text, bool withinCommand);

// A bare file name of the host's working folder.
std::string OutputFileAnswer(const std::string& option, const std::string& text);

// The option of a failure counted from the host's start, and the same counted from the start of
// the user's command.
inline constexpr char kThrowInOption[] = "--throw-in";
inline constexpr char kThrowInCommandOption[] = "--throw-in-command";

}  // namespace klarvo::sim
