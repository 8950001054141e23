#pragma once
// What the host keeps of each of its services while the module calls them: the calls (a failure
// is planted on a call by its count) and, while a benchmark asks, the time spent inside, so that
// the cost of a command can be told apart into the host's and the module's. Every service call
// reaches its counters by an index found when the simulator is compiled, not by a search.

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <stdexcept>

#include "src/host/module_entries.h"
#include "src/host/service_list.h"
#include "src/host/services.h"

namespace klarvo::sim {

#define KLARVO_SERVICE_NUMBER(number, name, type) number,
inline constexpr std::uint16_t kServiceNumbers[] = {KLARVO_HOST_SERVICES(KLARVO_SERVICE_NUMBER) host::kHostEntryOrdinal};
#define KLARVO_SERVICE_NAME(number, name, type) #name,
inline constexpr const char* kServiceNames[] = {KLARVO_HOST_SERVICES(KLARVO_SERVICE_NAME) "HostEntry"};
#undef KLARVO_SERVICE_NUMBER
#undef KLARVO_SERVICE_NAME
// The host's services and its entry function, which the module calls as a service too.
inline constexpr std::size_t kMeteredCount = std::size(kServiceNumbers);
static_assert(kMeteredCount == host::kServiceCount + 1 && std::size(kServiceNames) == kMeteredCount);

constexpr std::size_t ServiceIndex(std::uint16_t number) {
    for (std::size_t index = 0; index < kMeteredCount; ++index)
        if (kServiceNumbers[index] == number) return index;
    throw std::logic_error("not a service of the host");
}

// Found when the simulator is compiled: a number that is no service does not compile.
template <std::uint16_t Number>
inline constexpr std::size_t kServiceIndexOf = ServiceIndex(Number);

template <class Value>
using PerService = std::array<Value, kMeteredCount>;

// The time inside the services, in ticks of the processor's time-stamp counter, which costs a few
// cycles to read where a clock call would cost more than some of the services it times. A service
// that a service's callback into the module calls is part of the outer one; a failure raised out of
// a service leaves that call's time uncounted (the benchmark runs without failures).
class ServiceTimes {
public:
    void Start() {
        ticks_.fill(0);
        depth_ = 0;
        on_ = true;
    }
    void Stop() { on_ = false; }
    const PerService<std::uint64_t>& Ticks() const { return ticks_; }

    // Times one call of the service with this index for as long as it lives.
    class Call {
    public:
        Call(ServiceTimes& times, std::size_t index) : times_(times), index_(index) {
            if (times_.on_ && times_.depth_++ == 0) start_ = Now();
        }
        ~Call() {
            if (times_.on_ && --times_.depth_ == 0) times_.ticks_[index_] += Now() - start_;
        }
        Call(const Call&) = delete;
        Call& operator=(const Call&) = delete;

    private:
        ServiceTimes& times_;
        std::size_t index_;
        std::uint64_t start_ = 0;
    };

    // After the work before it is done, so that a call's interval holds the whole of its work and a
    // reading costs the same everywhere.
    static std::uint64_t Now() {
#if defined(__i386__) || defined(__x86_64__)
        asm volatile("lfence" ::: "memory");
        return __builtin_ia32_rdtsc();
#else
        return std::chrono::steady_clock::now().time_since_epoch().count();
#endif
    }

private:
    PerService<std::uint64_t> ticks_{};
    int depth_ = 0;
    bool on_ = false;
};

// The process's one meter of service times: it is started before a host is asked anything, so
// that the whole of a service call is timed.
inline ServiceTimes g_serviceTimes;

}  // namespace klarvo::sim
