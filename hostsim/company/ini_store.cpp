#include "hostsim/company/ini_store.h"

#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <fstream>
#include <stdexcept>

#include "src/host/mazovia.h"

namespace klarvo::sim {
namespace {

struct LoadedIni {
    CSimpleIniA ini{true, false, false};  // UTF-8, one value per key, no multi-line values
    bool present = false;
};

void Load(const std::filesystem::path& file, LoadedIni& loaded) {
    if (!std::filesystem::exists(file)) return;
    if (std::filesystem::is_directory(file)) throw std::runtime_error(file.string() + ": is a folder, not an INI file");
    if (loaded.ini.LoadFile(file.string().c_str()) < 0)
        throw std::runtime_error(file.string() + ": cannot be read as an INI file");
    loaded.present = true;
}

void Store(const std::filesystem::path& file, const LoadedIni& loaded) {
    std::string text;
    loaded.ini.Save(text, false);
    // Lines end with LF on both targets, so that the stored files are the same bytes everywhere.
    std::erase(text, '\r');
    std::ofstream out(file, std::ios::binary);
    if (!(out << text) || !out.flush()) throw std::runtime_error(file.string() + ": cannot be written");
}

}  // namespace

std::optional<std::string> ReadIniValue(const std::filesystem::path& file, const std::string& section,
                                        const std::string& key) {
    LoadedIni loaded;
    Load(file, loaded);
    const std::string utf8Section = mazovia::ToUtf8(section), utf8Key = mazovia::ToUtf8(key);
    const char* value = loaded.ini.GetValue(utf8Section.c_str(), utf8Key.c_str());
    if (!value) return std::nullopt;
    try {
        return mazovia::FromUtf8(value);
    } catch (const std::invalid_argument&) {
        throw std::runtime_error(file.string() + ", section [" + utf8Section + "], key " + utf8Key +
                                 ": the value holds a character that the host's code page lacks");
    }
}

void WriteIniValue(const std::filesystem::path& file, const std::string& section, const std::string& key,
                   const std::string& value) {
    LoadedIni loaded;
    Load(file, loaded);
    loaded.ini.SetValue(mazovia::ToUtf8(section).c_str(), mazovia::ToUtf8(key).c_str(),
                        mazovia::ToUtf8(value).c_str());
    Store(file, loaded);
}

void EditIniFile(const std::filesystem::path& file, const std::string& section, const std::optional<std::string>& key,
                 const std::optional<std::string>& value) {
    LoadedIni loaded;
    Load(file, loaded);
    if (key && value)
        loaded.ini.SetValue(section.c_str(), key->c_str(), value->c_str());
    else
        loaded.ini.Delete(section.c_str(), key ? key->c_str() : nullptr, true);
    Store(file, loaded);
}

}  // namespace klarvo::sim
