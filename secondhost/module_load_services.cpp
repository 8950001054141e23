// The host's side of loading a module: its acceptance (30018) and version (51594), the menu command
// it registers and removes (52081, 52082), the install notice dialog (52023) and the host's entry
// function (30006).

#include "secondhost/host_interface.h"
#include "secondhost/host_runtime.h"
#include "secondhost/host_state.h"
#include "secondhost/served_call.h"

namespace morvel {

ModuleSide g_module;

}  // namespace morvel

using namespace morvel;

// Non-zero when the host refuses the module; its reason goes into the buffer when one is given.
extern "C" int AcceptModule(HMODULE plugin, char* reason, int reasonSize) {
    ServiceCall call = Serve<30018>();
    call.Require(plugin == g_module.handle, "the acceptance of a module that the host did not load");
    return call.Done(g_core->rejection(reasonSize > 0 ? reason : nullptr, reasonSize));
}

extern "C" int HostVersion() {
    ServiceCall call = Serve<51594>();
    return call.Done(g_core->version());
}

extern "C" void RegisterCommand(const void* record) {
    ServiceCall call = Serve<52081>();
    const auto* registration = static_cast<const CommandRegistration*>(record);
    call.Require(registration->kind == kMenuCommand && registration->number == kExportCommand && registration->zero == 0 &&
                     registration->zero2 == 0 && registration->command && registration->caption &&
                     SameText(registration->caption, g_module.displayName),
                 "a command registration record that is not the module's");
    call.Require(!g_module.registration, "a command registered twice");
    g_module.registration = registration;
    call.Done();
}

extern "C" void RemoveCommand(int command) {
    ServiceCall call = Serve<52082>();
    call.Require(command == kExportCommand, "a command removed that is not the module's");
    g_module.registration = nullptr;
    call.Done();
}

extern "C" int RunHostDialog(int dialog, int* value, int flags, const char* text) {
    ServiceCall call = Serve<52023>();
    call.Require(dialog == kInstallNotice && flags == 0, "a host dialog other than the install notice");
    g_core->show_notice(text);
    int answer = 0;
    if (g_core->notice_answer(&answer)) *value = answer;
    return call.Done(1);
}

// Asked with (1, -1), it names the features that a module needs and the host lacks.
extern "C" int HostEntry(int request, int features) {
    ServiceCall call = Serve<30006>();
    return call.Done(request == 1 && features == -1 ? static_cast<int>(g_core->missing_features()) : 0);
}
