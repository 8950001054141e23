#pragma once
// Every place where the host calls into the plug-in (the entry points, the export command, the
// operations of the export object) runs its body through FromHost:
// - an exception of the host passes on to the host, and everything the plug-in took since the
//   host called in is given back on its way (on Windows through a structured-exception frame of
//   our own, since C++ unwinding does not see the host's exceptions);
// - no C++ exception of the plug-in's own reaches the host: the user is told, and the host gets
//   the failure result.

#include <new>

#include "src/frame/binding.h"
#include "src/frame/held.h"
#include "src/host/exception_frame.h"
#include "src/host/host_fault.h"

namespace klarvo::frame {

#if defined(_WIN32)
// Registered on the thread's chain of structured-exception frames for as long as it lives; when
// an exception unwinds through it, it gives back what was taken above its mark.
class HostExceptionFrame : host::ExceptionRegistration {
public:
    HostExceptionFrame();
    ~HostExceptionFrame();
    HostExceptionFrame(const HostExceptionFrame&) = delete;
    HostExceptionFrame& operator=(const HostExceptionFrame&) = delete;

private:
    Held mark_;

    static int __stdcall Handle(void* record, void* frame, void* context, void* dispatcher) noexcept;
};
#else
// Where the host is linked in, its exceptions are C++ exceptions and our destructors run.
class HostExceptionFrame {};
#endif

enum class PluginFailure { OutOfMemory, Internal };

// Tells the user that an operation of the plug-in broke off; never fails itself.
void ReportPluginFailure(PluginFailure failure) noexcept;

template <class Result, class Body>
Result FromHost(Result onFailure, Body body) {
    [[maybe_unused]] const HostExceptionFrame frame;
    try {
        return body();
    } catch (const host::HostFault&) {
        throw;
    } catch (const MissingService&) {
        // The load failure report names the services the host lacks; nothing was started.
    } catch (const std::bad_alloc&) {
        ReportPluginFailure(PluginFailure::OutOfMemory);
    } catch (...) {
        ReportPluginFailure(PluginFailure::Internal);
    }
    return onFailure;
}

}  // namespace klarvo::frame
