// The layers of the code, read from its includes: every file of src/, hostsim/, check/ and cli/
// includes only what its folder may, and no files include each other in a loop.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace klarvo::test {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = KLARVO_SOURCE_DIR;

// Folder of a file, and the folders of src/ it may include; "" stands for its own folder's files.
struct Layer {
    std::string folder;
    std::set<std::string> mayInclude;
};

const std::vector<Layer> kLayers = {
    {"src/host", {"host"}},
    {"src/frame", {"host", "frame"}},
    {"src/posting", {"host", "frame", "posting"}},
    {"src/export", {"host", "frame", "posting", "export"}},
    {"src/plugin", {"host", "frame", "posting", "export", "plugin"}},
    {"hostsim", {"host", "", "cli"}},
    {"check", {"host", "", "cli"}},
    {"cli", {""}},
};

// The one file that links the plug-in into the native build.
const fs::path kLinkedPlugin = "hostsim/linked_plugin.cpp";

struct Include {
    fs::path file;  // relative to the source folder
    std::string written;
};

std::vector<Include> IncludesOf(const fs::path& file) {
    static const std::regex include(R"re(^\s*#\s*include\s+"([^"]+)")re");
    std::vector<Include> includes;
    std::ifstream in(kSource / file);
    for (std::string line; std::getline(in, line);)
        if (std::smatch match; std::regex_search(line, match, include)) includes.push_back({file, match[1]});
    return includes;
}

std::vector<fs::path> SourceFiles() {
    std::vector<fs::path> files;
    for (const Layer& layer : kLayers)
        for (const auto& entry : fs::recursive_directory_iterator(kSource / layer.folder))
            if (entry.is_regular_file() && (entry.path().extension() == ".h" || entry.path().extension() == ".cpp"))
                files.push_back(fs::relative(entry.path(), kSource));
    return files;
}

const Layer& LayerOf(const fs::path& file) {
    const std::string path = file.generic_string();
    for (const Layer& layer : kLayers)
        if (path.starts_with(layer.folder + "/")) return layer;
    throw std::logic_error(path + " is in no layer");
}

// Where an include leads, as a file of the source folder; empty for a generated header.
fs::path Resolve(const Include& include) {
    const std::string& written = include.written;
    if (written.find('/') != std::string::npos) return fs::path("src") / written;
    for (const fs::path& folder : {include.file.parent_path(), fs::path("hostsim"), fs::path("cli")})
        if (fs::exists(kSource / folder / written)) return folder / written;
    return {};
}

// The layer folder an include reaches: a folder of src/, "" for its own folder, "cli".
std::string Reached(const Include& include) {
    const fs::path target = Resolve(include);
    if (target.empty()) return "";
    const std::string path = target.generic_string();
    if (path.starts_with("src/")) return path.substr(4, path.find('/', 4) - 4);
    if (path.starts_with("cli/") && !include.file.generic_string().starts_with("cli/")) return "cli";
    return "";
}

TEST(Layers, EveryFileIncludesOnlyWhatItsFolderMay) {
    std::vector<std::string> against;
    for (const fs::path& file : SourceFiles()) {
        const Layer& layer = LayerOf(file);
        for (const Include& include : IncludesOf(file)) {
            const std::string reached = Reached(include);
            const bool linksPlugin = file == kLinkedPlugin && reached == "plugin";
            if (!layer.mayInclude.count(reached) && !linksPlugin)
                against.push_back(file.generic_string() + " includes " + include.written);
        }
    }
    EXPECT_EQ(against, std::vector<std::string>{});
}

TEST(Layers, NoFilesIncludeEachOtherInALoop) {
    std::map<fs::path, std::vector<fs::path>> graph;
    for (const fs::path& file : SourceFiles())
        for (const Include& include : IncludesOf(file))
            if (const fs::path target = Resolve(include); !target.empty()) graph[file].push_back(target);
    std::map<fs::path, int> state;  // 1: on the path, 2: done
    std::vector<std::string> loops;
    std::function<void(const fs::path&)> visit = [&](const fs::path& file) {
        state[file] = 1;
        for (const fs::path& next : graph[file]) {
            if (state[next] == 1) loops.push_back(file.generic_string() + " -> " + next.generic_string());
            if (state[next] == 0) visit(next);
        }
        state[file] = 2;
    };
    for (const auto& [file, targets] : graph)
        if (state[file] == 0) visit(file);
    EXPECT_EQ(loops, std::vector<std::string>{});
}

}  // namespace
}  // namespace klarvo::test
