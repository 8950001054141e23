#pragma once
// The state of the host's dialogs: dialog base parts, callback objects, the list-text buffer,
// and what the forms and the posting-scheme editor saw and answered.

#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace klarvo::sim {

struct DialogOperationCall {
    std::uint16_t service;
    const void* object;
};

struct Dialogs {
    std::map<const void*, const void*> callbacks;  // storage, the host data item it was built from
    std::set<const void*> parts;
    // One blank, the longest amount name (21 characters) and a NUL.
    std::vector<char> listText = std::vector<char>(23);
    std::vector<DialogOperationCall> operationCalls;
    std::size_t editorVisits = 0;
    std::vector<std::int32_t> commandResults;  // of the object's command handler, in order
    std::vector<std::string> formPictures;     // UTF-8
    std::vector<std::string> schemeListings;   // UTF-8, as each editor visit ends
    bool formCancelled = false;

    // What the forms and the editor saw and answered in one action; what the module holds stays.
    void ForgetSeen() {
        operationCalls.clear();
        editorVisits = 0;
        commandResults.clear();
        formPictures.clear();
        schemeListings.clear();
        formCancelled = false;
    }
};

}  // namespace klarvo::sim
