// The dialog base class's own parts: its making and ending (20902, 20903), the operations the
// host implements (exported under their service numbers), the callback objects (20972, 20973),
// the list-text buffer (38400) and the host's data items (20907, 20936).

#include "secondhost/dialog_parts.h"
#include "secondhost/host_interface.h"
#include "secondhost/host_runtime.h"
#include "secondhost/live_objects.h"
#include "secondhost/served_call.h"

extern "C" {
// The host's data items: only their addresses matter.
extern const int SchemeEditorItem;
extern const int RangeFormItem;
const int SchemeEditorItem = 20907;
const int RangeFormItem = 20936;
}

namespace morvel {
namespace {

constexpr uint32_t kMadeByHost = 0x57444C47;

// One blank, the longest amount name (21 characters) and a NUL; what follows it must stay as it
// is, or a module wrote past the buffer.
constexpr int kListTextRoom = 23;
constexpr unsigned char kGuard = 0xA5;
unsigned char g_listText[kListTextRoom + 8];

int g_reachedEntry = 0;
const WDialogBase* g_reachedObject = nullptr;

}  // namespace

void Reached(int entry, const WDialogBase* object) {
    g_reachedEntry = entry;
    g_reachedObject = object;
}

bool ReachedLast(int entry, const WDialogBase* object) { return g_reachedEntry == entry && g_reachedObject == object; }

bool MadeByHost(const WDialogBase* object) { return g_live.parts.Has(object) && object->madeByHost == kMadeByHost; }

const char* ListText() { return reinterpret_cast<const char*>(g_listText); }

bool ListTextGuarded() {
    for (int i = kListTextRoom; i < kListTextRoom + 8; ++i)
        if (g_listText[i] != kGuard) return false;
    return true;
}

const void* RangeFormData() { return &RangeFormItem; }
const void* SchemeEditorData() { return &SchemeEditorItem; }

int LiveCallbacksOf(const void* item, int value) {
    int live = 0;
    g_live.callbacks.ForEach([&](const Callback* callback) { live += callback->item == item && callback->Value() == value; });
    return live;
}

}  // namespace morvel

using namespace morvel;

WDialogBase::WDialogBase() {
    ServiceCall call = Serve<20902>();
    call.Require(g_live.parts.Add(this), "a dialog base part made twice");
    madeByHost = kMadeByHost;
    call.Done();
}

WDialogBase::~WDialogBase() noexcept(false) {
    ServiceCall call = Serve<20903>();
    call.Require(g_live.parts.Remove(this), "a dialog base part ended that was not made");
    madeByHost = 0;
    call.Done();
}

// What the base class does where a derived class does not: nothing.
int32_t WDialogBase::Command(uint32_t, int16_t) { return 0; }
intptr_t WDialogBase::ListItem(int16_t, int32_t) { return 0; }

#define MORVEL_HOST_OPERATION(X, entry, number) \
    void WDialogBase::Operation##entry() {      \
        ServiceCall call = Serve<number>();     \
        Reached(entry, this);                   \
        call.Done();                            \
    }
MORVEL_HOST_OPERATIONS(MORVEL_HOST_OPERATION, unused)

Callback::Callback(WDialogBase* from, const void* of) : owner(from), item(of) {
    ServiceCall call = Serve<20972>();
    call.Require(MadeByHost(owner), "a callback object of an object with no dialog base part");
    call.Require(item == RangeFormData() || item == SchemeEditorData(),
                 "a callback object built from something that is no host data item");
    call.Require(g_live.callbacks.Add(this), "a callback object built twice in the same storage");
    call.Done();
}

Callback::~Callback() noexcept(false) {
    ServiceCall call = Serve<20973>();
    call.Require(g_live.callbacks.Remove(this), "a callback object destroyed that does not exist");
    call.Done();
}

int Callback::Value() const { return static_cast<int>(reinterpret_cast<intptr_t>(item)); }

extern "C" char* ListTextBuffer() {
    ServiceCall call = Serve<38400>();
    memset(g_listText + kListTextRoom, kGuard, sizeof g_listText - kListTextRoom);
    return call.Done(reinterpret_cast<char*>(g_listText));
}
