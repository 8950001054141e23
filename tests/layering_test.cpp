// The layers of the code, read from its includes: every file of src/, hostsim/, check/ and cli/
// includes only what its folder may, no files and no units (a header with its source file) include
// each other in a loop, no two folders hold files of the same name, and the host's facts are
// stated in the host's headers alone.

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

// Folder of a file, and the folders it may include: those of src/, "hostsim", "cli", and "" for
// its own folder's files.
struct Layer {
    std::string folder;
    std::set<std::string> mayInclude;
};

const std::vector<Layer> kLayers = {
    {"src/host", {"host"}},
    {"src/teta", {"host", "teta"}},
    {"src/frame", {"host", "frame"}},
    {"src/services", {"host", "frame", "services"}},
    {"src/posting", {"host", "teta", "frame", "services", "posting"}},
    {"src/export", {"host", "teta", "frame", "services", "posting", "export"}},
    {"src/plugin", {"host", "teta", "frame", "services", "posting", "export", "plugin"}},
    {"hostsim", {"host", "hostsim", "cli", ""}},
    {"check", {"host", "teta", "", "cli"}},
    {"cli", {""}},
};

// The one file that links the plug-in into the native build.
const fs::path kLinkedPlugin = "hostsim/session/linked_plugin.cpp";

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

// Where an include leads, as a file of the source folder; empty for a generated header. The
// simulator's files are named from the top of the tree, the plug-in's from src/.
fs::path Resolve(const Include& include) {
    const std::string& written = include.written;
    if (written.starts_with("hostsim/")) return written;
    if (written.find('/') != std::string::npos) return fs::path("src") / written;
    for (const fs::path& folder : {include.file.parent_path(), fs::path("cli")})
        if (fs::exists(kSource / folder / written)) return folder / written;
    return {};
}

// The layer folder an include reaches: a folder of src/, "hostsim", "cli", "" for its own folder.
std::string Reached(const Include& include) {
    const fs::path target = Resolve(include);
    if (target.empty()) return "";
    const std::string path = target.generic_string();
    if (path.starts_with("src/")) return path.substr(4, path.find('/', 4) - 4);
    if (path.starts_with("hostsim/")) return "hostsim";
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

using Graph = std::map<fs::path, std::set<fs::path>>;

// Each edge that closes a loop, as "FROM -> TO".
std::vector<std::string> LoopsIn(const Graph& graph) {
    std::map<fs::path, int> state;  // 1: on the path, 2: done
    std::vector<std::string> loops;
    std::function<void(const fs::path&)> visit = [&](const fs::path& node) {
        state[node] = 1;
        const auto edges = graph.find(node);
        if (edges != graph.end())
            for (const fs::path& next : edges->second) {
                if (state[next] == 1) loops.push_back(node.generic_string() + " -> " + next.generic_string());
                if (state[next] == 0) visit(next);
            }
        state[node] = 2;
    };
    for (const auto& [node, edges] : graph)
        if (state[node] == 0) visit(node);
    return loops;
}

// The includes between files; with `units`, between units (a header and its source file of the
// same name).
Graph IncludeGraph(bool units) {
    Graph graph;
    const auto node = [&](const fs::path& file) { return units ? fs::path(file).replace_extension() : file; };
    for (const fs::path& file : SourceFiles())
        for (const Include& include : IncludesOf(file))
            if (const fs::path target = Resolve(include); !target.empty() && node(target) != node(file))
                graph[node(file)].insert(node(target));
    return graph;
}

// A name says which file it is: no two folders hold files of the same name.
TEST(Layers, NoTwoFoldersHoldFilesOfTheSameName) {
    std::map<std::string, std::set<std::string>> folders;  // name without extension, its folders
    for (const fs::path& file : SourceFiles())
        folders[file.stem().string()].insert(file.parent_path().generic_string());
    std::vector<std::string> shared;
    for (const auto& [name, in] : folders)
        if (in.size() > 1) shared.push_back(name);
    EXPECT_EQ(shared, std::vector<std::string>{});
}

TEST(Layers, NoFilesIncludeEachOtherInALoop) { EXPECT_EQ(LoopsIn(IncludeGraph(false)), std::vector<std::string>{}); }

TEST(Layers, NoUnitsIncludeEachOtherInALoop) { EXPECT_EQ(LoopsIn(IncludeGraph(true)), std::vector<std::string>{}); }

// A fact of the host that only the host's headers may state, as code writes it.
struct HostFact {
    const char* what;
    const char* pattern;
};

const HostFact kHostFacts[] = {
    {"form result codes", R"(\b0x500[12]\b)"},
    {"form numbers", R"(\b(20010|20070|1254)\b)"},
    {"the export command's number", R"(\b31028\b)"},
    {"the install notice dialog", R"(\b1668\b)"},
    {"the command's mode flag and the key codes", R"(\b0x8000\b)"},
    {"the host's version", R"(\b112\b)"},
    {"the record-editing flag", R"(\b0x0400\b)"},
    {"the input field's fixed part", R"(\b38\b)"},
    {"the host module's name", R"("MORVEL")"},
    {"the module's entry ordinals", R"(\b300(01|08|09|10)\b)"},
    {"the unused entry's answer", R"(-1234567890)"},
    {"the progress window", R"(\b856\b)"},
    {"the stop window's number, buttons and style", R"(\b(15000|0xF001|0x6E2E)\b)"},
    {"the document walk", R"(\b811\b)"},
};

TEST(HostFacts, AreStatedInTheHostsHeadersAlone) {
    std::vector<std::regex> patterns;
    for (const HostFact& fact : kHostFacts) patterns.emplace_back(fact.pattern);
    std::vector<std::string> stated;
    for (const fs::path& file : SourceFiles()) {
        if (file.generic_string().starts_with("src/host/")) continue;
        std::ifstream in(kSource / file);
        int number = 0;
        for (std::string line; std::getline(in, line);) {
            ++number;
            const std::string code = line.substr(0, line.find("//"));
            for (std::size_t i = 0; i < patterns.size(); ++i)
                if (std::regex_search(code, patterns[i]))
                    stated.push_back(file.generic_string() + ":" + std::to_string(number) + " states " + kHostFacts[i].what);
        }
    }
    EXPECT_EQ(stated, std::vector<std::string>{});
}

}  // namespace
}  // namespace klarvo::test
