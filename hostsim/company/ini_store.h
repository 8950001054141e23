#pragma once
// An INI file of the company folder: UTF-8 on disk, Mazovia texts towards the plug-in.

#include <filesystem>
#include <optional>
#include <string>

namespace klarvo::sim {

// The stored value in Mazovia, or nothing when the file, section or key is missing.
std::optional<std::string> ReadIniValue(const std::filesystem::path& file, const std::string& section,
                                        const std::string& key);

// Stores a Mazovia value, creating the file or section when needed.
void WriteIniValue(const std::filesystem::path& file, const std::string& section, const std::string& key,
                   const std::string& value);

// An edit by hand, in UTF-8: the key set to the value, or removed when no value is given; the
// whole section removed when no key is given.
void EditIniFile(const std::filesystem::path& file, const std::string& section, const std::optional<std::string>& key,
                 const std::optional<std::string>& value);

}  // namespace klarvo::sim
