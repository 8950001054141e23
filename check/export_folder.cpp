#include "check/export_folder.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "check/file_header.h"
#include "check/messages.h"
#include "check/paths.h"
#include "src/teta/format.h"

namespace klarvo::check {
namespace {

namespace fs = std::filesystem;

std::optional<TetaFile> KindOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string first;
    std::getline(in, first);
    if (first.ends_with('\r')) first.pop_back();
    return TetaFileOf(first);
}

}  // namespace

ExportFiles FilesOfExport(const fs::path& folder, bool whole) {
    const ExportFiles named{folder / teta::kRegisterFileName, folder / teta::kAccountsFileName};
    if (fs::is_regular_file(named.salesRegister) && fs::is_regular_file(named.accounts)) return named;
    if (fs::is_regular_file(named.salesRegister) && !whole) return {named.salesRegister, {}};
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::optional<fs::path> found[2];
    for (const fs::path& file : files) {
        const std::optional<TetaFile> kind = KindOf(file);
        if (!kind) continue;
        std::optional<fs::path>& slot = found[static_cast<int>(*kind)];
        if (slot) throw CheckFailure({Text::ExportFolderTwice, {Shown(folder), Shown(slot->filename()), Shown(file.filename())}});
        slot = file;
    }
    if (!found[0]) throw CheckFailure({Text::ExportFolderWithout, {Shown(folder), teta::kRegisterFileName}});
    if (!found[1] && whole) throw CheckFailure({Text::ExportFolderWithout, {Shown(folder), teta::kAccountsFileName}});
    return {*found[0], found[1].value_or(fs::path())};
}

}  // namespace klarvo::check
