#include "check/archive.h"

#include <algorithm>
#include <fstream>

#include "check/paths.h"
#include "check/teta_check.h"

namespace klarvo::check {
namespace {

namespace fs = std::filesystem;

// A copy being written: its folder's name begins with this, so that a copy that an interrupted
// run left behind is known as one.
const std::string kUnfinished = ".klarvo-copy-";

constexpr fs::perms kWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

// The files of an archived export, whole and sound; throws CheckFailure saying what is wrong.
ExportFiles SoundExport(const fs::path& folder, Language language) {
    const ExportFiles files = FilesOfExport(folder);
    std::ifstream registerIn = OpenTetaFile(files.salesRegister), accountsIn = OpenTetaFile(files.accounts);
    CheckSetup setup;
    setup.language = language;
    setup.registerName = Shown(files.salesRegister.filename());
    setup.accountsName = Shown(files.accounts.filename());
    setup.firstPlaces = 1;
    const CheckResult result = CheckTetaFiles(registerIn, accountsIn, setup);
    if (result.findings.FaultCount() > 0)
        throw CheckFailure(
            {Text::ArchiveFileUnsound, {Shown(folder), Describe(result.findings.Faults().front().first.front(), language)}});
    return files;
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

std::vector<ExportFiles> ArchivedExports(const fs::path& archive, Findings& findings) {
    std::vector<fs::path> entries;
    std::vector<ExportFiles> exports;
    for (const fs::directory_entry& entry : fs::directory_iterator(archive)) entries.push_back(entry.path());
    std::sort(entries.begin(), entries.end());
    for (const fs::path& entry : entries) {
        const std::string shown = Shown(entry);
        if (Shown(entry.filename()).starts_with(kUnfinished))
            findings.Note(FindingKind::Files, shown, 0, Text::UnfinishedCopyRule, Text::UnfinishedCopy);
        else if (!fs::is_directory(entry))
            findings.Note(FindingKind::Files, shown, 0, Text::ArchiveStrangeRule, Text::ArchiveStrange);
        else
            try {
                exports.push_back(SoundExport(entry, findings.language()));
            } catch (const CheckFailure& damage) {
                throw CheckFailure({Text::ArchiveEntryDamaged, {Say(findings.language(), damage.message)}});
            }
    }
    return exports;
}

fs::path ArchiveExport(const fs::path& archive, const std::string& name, const ExportFiles& files, Language language,
                       const CopyFile& copy) {
    fs::path copying;
    try {
        fs::create_directories(archive);
        copying = FreeName(archive, kUnfinished + name);
        fs::create_directory(copying);
        for (const auto& [file, tetaName] : {std::pair{files.salesRegister, kRegisterFile}, std::pair{files.accounts, kAccountsFile}}) {
            const fs::path to = copying / tetaName;
            if (copy) copy(file, to);
            else fs::copy_file(file, to, fs::copy_options::none);
            fs::permissions(to, kWrite, fs::perm_options::remove);
        }
        const fs::path archived = FreeName(archive, name);
        fs::rename(copying, archived);
        return archived;
    } catch (const fs::filesystem_error& error) {
        if (!copying.empty()) RemoveCopy(copying);
        throw CheckFailure({Text::ArchiveFailed, {Shown(archive), SystemError(language, error.code())}});
    }
}

}  // namespace klarvo::check
