#include "secondhost/live_objects.h"

namespace morvel {

LiveObjects g_live;

const char* LeftHeld() {
    if (g_live.files.Count()) return "a file was left open at the end of the command";
    if (g_live.holders.Count()) return "a file holder was not destroyed";
    if (g_live.walks.Count()) return "a document walk was not destroyed";
    if (g_live.blocks.Count()) return "a memory block was not released";
    if (g_live.callbacks.Count()) return "a callback object was not destroyed";
    if (g_live.parts.Count()) return "a dialog base part was not ended";
    if (g_live.progressOpen) return "the progress window was left open";
    return nullptr;
}

}  // namespace morvel
