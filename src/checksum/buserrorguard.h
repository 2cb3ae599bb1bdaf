#pragma once

#include <cstddef>

// Hashing straight from a file's mapping touches pages the file may have lost since
// it was mapped (another program truncated it): the system then raises SIGBUS. This
// runs such hashing under a guard that turns a SIGBUS inside the guarded bytes into a
// false return. A process-wide handler is installed on first use; a fault it does not
// own (outside every armed range of the faulting thread) goes on to the handler that
// was there before, or ends the process as SIGBUS would have. Guards nest per thread.
//
// The body must touch only the guarded bytes and objects it can abandon without
// cleanup: on a fault the body is left at once, its frames unwound without running
// destructors.
using BusErrorGuardedBody = void (*)(void* context) noexcept;

[[nodiscard]] bool RunGuardedAgainstBusError(const void* begin, std::size_t length, BusErrorGuardedBody body,
                                             void* context) noexcept;

// The same with a callable, e.g. `[&]() noexcept { reg = Fold(reg, data, length); }`.
template <typename Body>
[[nodiscard]] bool RunGuardedAgainstBusError(const void* begin, std::size_t length, Body& body) noexcept
{
    return RunGuardedAgainstBusError(
        begin, length, [](void* context) noexcept { (*static_cast<Body*>(context))(); }, &body);
}
