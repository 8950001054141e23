#pragma once
// How this host raises a failure of its services and how its command loop catches it again, in
// the way the simulator is set to (--host-failure): a C++ exception of this compiler caught by
// try/catch (its own way; also for "own" and "cxx"), RaiseException with a code of its own caught
// by __try/__except, or the runtime's longjmp back to the setjmp of the loop.

namespace morvel {

// Runs call(context) inside the host's frame: 1 when it returned, 0 when the host's failure ended it.
int CallInFrame(void (*call)(void* context), void* context);

template <class Call>
int CallInFrame(Call& call) {
    return CallInFrame([](void* context) { (*static_cast<Call*>(context))(); }, &call);
}

}  // namespace morvel
