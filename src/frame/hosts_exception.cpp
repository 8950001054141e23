#include "src/frame/hosts_exception.h"

namespace klarvo::frame {
namespace {

// Everything runs on the host's thread, one call at a time.
std::exception_ptr g_noted;

}  // namespace

void NoteHostsException() noexcept { g_noted = std::current_exception(); }

bool HostsExceptionInHand() noexcept { return g_noted && std::current_exception() == g_noted; }

void ForgetHostsException() noexcept { g_noted = nullptr; }

HostsExceptionKept::HostsExceptionKept() noexcept : kept_(g_noted) {}

HostsExceptionKept::~HostsExceptionKept() { g_noted = kept_; }

}  // namespace klarvo::frame
