#pragma once
// The options of morvel's commands, read alike from morvel's command line and from the lines of
// a day's script: the form's answers, the scheme editor's input, and the host's conditions.

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <string>

#include <CLI/CLI.hpp>

#include "hostsim/company/company_generator.h"
#include "hostsim/company/table_file.h"
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

// The size and seed of a made-up company.
void AddGeneratorOptions(CLI::App& command, GeneratorOptions& options);

// A number in `base`; anything else is refused naming the option.
template <class Number>
Number NumberAnswer(const std::string& option, const std::string& text, int base = 10) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty())
        Refuse(option, "takes a number, not " + Quoted(text));
    return value;
}

// A service of the plug-in's list.
std::uint16_t ServiceAnswer(const std::string& option, const std::string& text);

// A bare file name of the host's working folder.
std::string OutputFileAnswer(const std::string& option, const std::string& text);

}  // namespace klarvo::sim
