#include "archive.h"

#include <algorithm>
#include <fstream>

#include "paths.h"
#include "teta_check.h"

namespace klarvo::check {
namespace {

namespace fs = std::filesystem;

// A copy being written: its folder's name begins with this, so that a copy that an interrupted
// run left behind is known as one.
const std::string kUnfinished = ".klarvo-copy-";

constexpr fs::perms kWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

// What is wrong with an archived export; nothing when it is whole and sound.
std::optional<Message> Damage(const fs::path& folder, Language language) {
    for (const char* file : {kRegisterFile, kAccountsFile})
        if (!fs::is_regular_file(folder / file)) return Message{Text::ArchiveFileMissing, {file}};
    std::ifstream registerIn(folder / kRegisterFile, std::ios::binary), accountsIn(folder / kAccountsFile, std::ios::binary);
    CheckSetup setup;
    setup.language = language;
    setup.registerName = kRegisterFile;
    setup.accountsName = kAccountsFile;
    setup.firstPlaces = 1;
    const CheckResult result = CheckTetaFiles(registerIn, accountsIn, setup);
    if (result.findings.FaultCount() == 0) return std::nullopt;
    return Message{Text::ArchiveFileUnsound, {Describe(result.findings.Faults().front().first.front(), language)}};
}

// A copy that failed goes with everything in it, read-only or not.
void RemoveCopy(const fs::path& folder) {
    std::error_code ignored;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder, ignored))
        fs::permissions(entry.path(), kWrite, fs::perm_options::add, ignored);
    fs::remove_all(folder, ignored);
}

// The first of NAME, NAME_2, NAME_3, ... that nothing in the folder is called.
fs::path FreeName(const fs::path& folder, const std::string& name) {
    fs::path free = folder / PathOf(name);
    for (int suffix = 2; fs::exists(fs::symlink_status(free)); ++suffix)
        free = folder / PathOf(name + "_" + std::to_string(suffix));
    return free;
}

}  // namespace

std::vector<fs::path> ArchivedExports(const fs::path& archive, Findings& findings) {
    std::vector<fs::path> entries, exports;
    for (const fs::directory_entry& entry : fs::directory_iterator(archive)) entries.push_back(entry.path());
    std::sort(entries.begin(), entries.end());
    for (const fs::path& entry : entries) {
        const std::string shown = Shown(entry);
        if (Shown(entry.filename()).starts_with(kUnfinished))
            findings.Note(FindingKind::Files, shown, 0, Text::UnfinishedCopyRule, Text::UnfinishedCopy);
        else if (!fs::is_directory(entry))
            findings.Note(FindingKind::Files, shown, 0, Text::ArchiveStrangeRule, Text::ArchiveStrange);
        else if (const auto damage = Damage(entry, findings.language()))
            findings.Fault(FindingKind::Files, shown, 0, Text::DamagedArchiveRule, damage);
        else
            exports.push_back(entry);
    }
    return exports;
}

fs::path ArchiveExport(const fs::path& archive, const std::string& name, const std::vector<fs::path>& files,
                       const CopyFile& copy) {
    fs::path copying;
    try {
        fs::create_directories(archive);
        copying = FreeName(archive, kUnfinished + name);
        fs::create_directory(copying);
        for (const fs::path& file : files) {
            const fs::path to = copying / file.filename();
            if (copy) copy(file, to);
            else fs::copy_file(file, to, fs::copy_options::none);
            fs::permissions(to, kWrite, fs::perm_options::remove);
        }
        const fs::path archived = FreeName(archive, name);
        fs::rename(copying, archived);
        return archived;
    } catch (const fs::filesystem_error& error) {
        if (!copying.empty()) RemoveCopy(copying);
        throw CheckFailure({Text::ArchiveFailed, {Shown(archive), error.code().message()}});
    }
}

}  // namespace klarvo::check
