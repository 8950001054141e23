#pragma once
// What the module holds of this host's at any moment: its open files, file holders, walks,
// callback objects, dialog base parts, memory blocks and the progress window. The host checks at
// the end of each command that the module gave everything back.

#include "secondhost/host_interface.h"

namespace morvel {

// A set of objects the module holds; a few dozen at the most.
template <class T>
class LiveSet {
public:
    // False when the object is held already.
    bool Add(const T* item) {
        if (Has(item) || count_ == kRoom) return false;
        items_[count_++] = item;
        return true;
    }
    // False when the object is not held.
    bool Remove(const T* item) {
        for (int i = 0; i < count_; ++i)
            if (items_[i] == item) {
                items_[i] = items_[--count_];
                return true;
            }
        return false;
    }
    bool Has(const T* item) const {
        for (int i = 0; i < count_; ++i)
            if (items_[i] == item) return true;
        return false;
    }
    int Count() const { return count_; }
    template <class Visit>
    void ForEach(Visit visit) const {
        for (int i = 0; i < count_; ++i) visit(items_[i]);
    }

private:
    static constexpr int kRoom = 64;
    const T* items_[kRoom] = {};
    int count_ = 0;
};

struct LiveObjects {
    LiveSet<HostFile> files;
    LiveSet<FileHolder> holders;
    LiveSet<DocumentWalk> walks;
    LiveSet<Callback> callbacks;
    LiveSet<WDialogBase> parts;
    LiveSet<void> blocks;
    bool progressOpen = false;
};

extern LiveObjects g_live;

// What the module left held, named; null when nothing.
const char* LeftHeld();

}  // namespace morvel
