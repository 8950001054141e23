#pragma once
// Where the host is linked in, its failures are C++ exceptions of whatever type it throws; the
// plug-in tells them from its own by where they came from: out of a call of a host service
// (service_call.h notes them). On Windows the host's failures are structured exceptions, which no
// catch of ours sees, and nothing is ever noted.

#include <exception>

namespace klarvo::frame {

// In the catch of a service call: the exception in hand is the host's.
void NoteHostsException() noexcept;

// Whether the exception in hand is the one noted last.
bool HostsExceptionInHand() noexcept;

// Once the host's call into the plug-in is over.
void ForgetHostsException() noexcept;

// Around a call whose own failures go no further (a release while unwinding): the note is left as
// it was, so that the failure already on its way to the host is still known as the host's.
class HostsExceptionKept {
public:
    HostsExceptionKept() noexcept;
    ~HostsExceptionKept();
    HostsExceptionKept(const HostsExceptionKept&) = delete;
    HostsExceptionKept& operator=(const HostsExceptionKept&) = delete;

private:
    std::exception_ptr kept_;
};

}  // namespace klarvo::frame
