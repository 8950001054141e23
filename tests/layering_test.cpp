// The layers of the code, read from its includes: every include of the project names its file's
// path from the top of the tree, every file includes only what its folder may, no files and no
// units (a header with its source file) include each other in a loop, no two folders hold files of
// the same name, and the facts of the host and of the Teta files are stated by their owners alone.

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

// A folder of the tree and the folders its files may include besides their own; a file belongs to
// the longest folder that holds it. Bottom to top.
struct Layer {
    std::string folder;
    std::set<std::string> mayInclude;
    bool statesFacts = false;  // tests may state the facts of the host and of Teta; code takes them from their headers
};

const std::set<std::string> kPlugin = {"src/host",     "src/teta",   "src/frame", "src/services",
                                       "src/posting",  "src/export", "src/plugin"};
// Below the simulator's coordinator (hostsim/host.h): what it holds together.
const std::set<std::string> kHostRooms = {"src/host",      "src/teta",        "hostsim/company", "hostsim/text",
                                          "hostsim/state", "hostsim/faults",  "hostsim/forms"};

std::set<std::string> With(std::set<std::string> folders, std::initializer_list<std::string> more) {
    folders.insert(more);
    return folders;
}

const std::vector<Layer> kLayers = {
    {"src/host", {}},
    {"src/teta", {"src/host"}},
    {"src/frame", {"src/host"}},
    {"src/services", {"src/host", "src/frame"}},
    {"src/posting", {"src/host", "src/teta", "src/frame", "src/services"}},
    {"src/export", {"src/host", "src/teta", "src/frame", "src/services", "src/posting"}},
    {"src/plugin", kPlugin},
    {"cli", {}},
    {"checkdigits", {}},
    {"hostsim/company", {"src/host", "checkdigits"}},
    {"hostsim/text", {"src/host"}},
    {"hostsim/state", {"src/host"}},
    {"hostsim/faults", {"src/host"}},
    {"hostsim/forms", {"src/host", "hostsim/company"}},
    {"hostsim", kHostRooms},
    {"hostsim/services", With(kHostRooms, {"hostsim"})},
    {"hostsim/session", With(kHostRooms, {"hostsim", "hostsim/services", "cli"})},
    {"hostsim/windows", With(kHostRooms, {"hostsim", "hostsim/services", "hostsim/session", "cli"})},
    // The simulator's machinery offered to a host program of another build, and that program: it
    // knows the interface with the plug-in only as it wrote it (so it states the host's facts
    // itself), and meets the simulator only through the plain C face (core/morvel_core.h).
    {"hostsim/core", With(kHostRooms, {"hostsim", "hostsim/services", "hostsim/session", "cli"})},
    {"secondhost", {"hostsim/core"}, true},
    {"check", {"src/host", "src/teta", "cli", "checkdigits"}},
    {"bench", {"*"}},
    {"fuzz", {"*"}, true},
    {"tests", {"*"}, true},
};

// The one file that links the plug-in into the native build.
const fs::path kLinkedPlugin = "hostsim/session/linked_plugin.cpp";

// Headers that the build writes.
const std::set<std::string> kGenerated = {"klarvo_version.h"};

struct Include {
    fs::path file;  // from the top of the tree
    std::string written;
    int line = 0;
};

std::vector<Include> IncludesOf(const fs::path& file) {
    static const std::regex include(R"re(^\s*#\s*include\s+"([^"]+)")re");
    std::vector<Include> includes;
    std::ifstream in(kSource / file);
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (std::smatch match; std::regex_search(line, match, include)) includes.push_back({file, match[1], number});
    }
    return includes;
}

// The layer of a file: the longest folder of the table that holds it; none outside them.
const Layer* LayerOf(const fs::path& file) {
    const Layer* found = nullptr;
    for (const Layer& layer : kLayers)
        if (file.generic_string().starts_with(layer.folder + "/") && (!found || layer.folder.size() > found->folder.size()))
            found = &layer;
    return found;
}

// The project's sources; with `code`, without the tests and fuzz targets.
std::vector<fs::path> SourceFiles(bool code = false) {
    std::set<fs::path> tops;
    for (const Layer& layer : kLayers) tops.insert(*fs::path(layer.folder).begin());
    std::vector<fs::path> files;
    for (const fs::path& top : tops)
        for (const auto& entry : fs::recursive_directory_iterator(kSource / top)) {
            const fs::path file = fs::relative(entry.path(), kSource);
            if (!entry.is_regular_file() || (file.extension() != ".h" && file.extension() != ".cpp")) continue;
            const Layer* layer = LayerOf(file);
            if (!layer) ADD_FAILURE() << file << " is in no layer";
            else if (!code || !layer->statesFacts) files.push_back(file);
        }
    return files;
}

// Where an include leads: the file of that path from the top; empty for a generated header.
fs::path Resolve(const Include& include) {
    if (kGenerated.count(include.written)) return {};
    return include.written;
}

TEST(Includes, NameTheirFileFromTheTopOfTheTree) {
    std::vector<std::string> missing;
    for (const fs::path& file : SourceFiles())
        for (const Include& include : IncludesOf(file))
            if (const fs::path target = Resolve(include); !target.empty() && !fs::is_regular_file(kSource / target))
                missing.push_back(file.generic_string() + ":" + std::to_string(include.line) + " " + include.written);
    EXPECT_EQ(missing, std::vector<std::string>{});
}

TEST(Layers, EveryFileIncludesOnlyWhatItsFolderMay) {
    std::vector<std::string> against;
    for (const fs::path& file : SourceFiles()) {
        const Layer& layer = *LayerOf(file);
        if (layer.mayInclude.count("*")) continue;
        for (const Include& include : IncludesOf(file)) {
            const fs::path target = Resolve(include);
            const Layer* reached = target.empty() ? nullptr : LayerOf(target);
            if (!reached || reached == &layer || layer.mayInclude.count(reached->folder)) continue;
            if (file == kLinkedPlugin && reached->folder == "src/plugin") continue;
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

// A fact that only its owner may state, as code writes it.
struct Fact {
    const char* owner;  // a folder or a file
    const char* what;
    const char* pattern;
};

const Fact kFacts[] = {
    {"src/host/", "form result codes", R"(\b0x500[12]\b)"},
    {"src/host/", "form numbers", R"(\b(20010|20070|1254)\b)"},
    {"src/host/", "the export command's number", R"(\b31028\b)"},
    {"src/host/", "the install notice dialog", R"(\b1668\b)"},
    {"src/host/", "the command's mode flag and the key codes", R"(\b0x8000\b)"},
    {"src/host/", "the host's version", R"(\b112\b)"},
    {"src/host/", "the record-editing flag", R"(\b0x0400\b)"},
    {"src/host/", "the input field's fixed part", R"(\b38\b)"},
    {"src/host/", "the host module's name", R"("MORVEL")"},
    {"src/host/", "the module's entry ordinals", R"(\b300(01|08|09|10)\b)"},
    {"src/host/", "the unused entry's answer", R"(-1234567890)"},
    {"src/host/", "the progress window", R"(\b856\b)"},
    {"src/host/", "the stop window's number, buttons and style", R"(\b(15000|0xF001|0x6E2E)\b)"},
    {"src/host/", "the document walk", R"(\b811\b)"},
    {"src/teta/format.h", "the sales register's number", R"(\b2200\b)"},
    {"src/teta/format.h", "the file names", R"re("!(Fs_pln\.fkw|Konta\.fkx)")re"},
    {"src/teta/posting_fields.h", "the posting record's constant fields", R"(000000000,00|00000,000000|"FA"|"PLN")"},
    {"src/teta/format.h", "the posting record's widths", R"(%-15s|%9\.2f|%-7s)"},
    {"src/teta/format.h", "the account record's widths", R"(%(\d+)\.\1s)"},
    {"src/teta/format.h", "a field count or length in words", R"(\b(29|12|15|30) (fields|pól|characters|znaków)\b)"},
};

TEST(Facts, AreStatedByTheirOwnersAlone) {
    std::vector<std::regex> patterns;
    for (const Fact& fact : kFacts) patterns.emplace_back(fact.pattern);
    std::vector<std::string> stated;
    for (const fs::path& file : SourceFiles(true)) {
        std::ifstream in(kSource / file);
        int number = 0;
        for (std::string line; std::getline(in, line);) {
            ++number;
            const std::string code = line.substr(0, line.find("//"));
            for (std::size_t i = 0; i < patterns.size(); ++i)
                if (!file.generic_string().starts_with(kFacts[i].owner) && std::regex_search(code, patterns[i]))
                    stated.push_back(file.generic_string() + ":" + std::to_string(number) + " states " + kFacts[i].what);
        }
    }
    EXPECT_EQ(stated, std::vector<std::string>{});
}

}  // namespace
}  // namespace klarvo::test
