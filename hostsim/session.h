#pragma once
// A user's session in the simulated host: the command line of morvel.

#include <string>
#include <vector>

namespace klarvo::sim {

// An operation of the plug-in that the host runs as a command.
using PluginCommand = int (*)();

// What the host reaches of the plug-in.
struct Plugin {
    PluginCommand exportCommand;      // the menu's "Eksport Teta (txt)"
    PluginCommand loadInvoiceScheme;  // into the host's posting-scheme buffer
    const char* (*amountName)(int code);
};

// Runs morvel with its arguments (without the program name); returns the exit code.
int RunMorvel(const std::vector<std::string>& arguments, const Plugin& plugin);

}  // namespace klarvo::sim
