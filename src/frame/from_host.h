#pragma once
// Every place where the host calls into the plug-in (the entry points, the export command, the
// operations of the export object) runs its body through FromHost:
// - a failure of the host passes on to the host, whatever it is and however it travels, and
//   everything the plug-in took since the host called in is given back on its way (on Windows
//   through a structured-exception frame of our own, since C++ unwinding does not see the host's
//   exceptions);
// - no C++ exception of the plug-in's own reaches the host: the user is told, and the host gets
//   the failure result.

#include <exception>

#include "src/frame/hold_link.h"
#include "src/frame/hosts_exception.h"
#include "src/host/exception_frame.h"

namespace klarvo::frame {

#if defined(_WIN32)
// Registered on the thread's chain of structured-exception frames for as long as it lives; when
// anything unwinds through it, it gives back what was taken above its mark. Whatever the unwind
// carries: the host's exceptions and those of its compiler's C++, an __except frame's or a
// longjmp's global unwind (which passes no record), an exit unwind, and a crash of the plug-in's
// own that the host catches and goes on from, since the host's files, blocks, flag and dialog
// part are the host's either way.
class HostExceptionFrame : host::ExceptionRegistration {
public:
    HostExceptionFrame();
    ~HostExceptionFrame();
    HostExceptionFrame(const HostExceptionFrame&) = delete;
    HostExceptionFrame& operator=(const HostExceptionFrame&) = delete;

private:
    HoldMark mark_;

    static int __stdcall Handle(void* record, void* frame, void* context, void* dispatcher) noexcept;
};
#else
// Where the host is linked in, its failures are C++ exceptions of whatever type it throws, and our
// destructors give back what the plug-in holds. The outermost frame forgets, once it is left,
// which exception came out of a service of the host (hosts_exception.h).
class HostExceptionFrame {
public:
    HostExceptionFrame();
    ~HostExceptionFrame();
    HostExceptionFrame(const HostExceptionFrame&) = delete;
    HostExceptionFrame& operator=(const HostExceptionFrame&) = delete;
};
#endif

// Tells the user that an operation of the plug-in broke off on the exception in hand; never fails
// itself. A missing service is told by the load failure report instead.
void ReportPluginFailure(std::exception_ptr failure) noexcept;

template <class Result, class Body>
Result FromHost(Result onFailure, Body body) {
    [[maybe_unused]] const HostExceptionFrame frame;
    try {
        return body();
    } catch (...) {
        if (HostsExceptionInHand()) throw;
        ReportPluginFailure(std::current_exception());
    }
    return onFailure;
}

}  // namespace klarvo::frame
