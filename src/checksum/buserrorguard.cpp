#include "buserrorguard.h"

#include <csetjmp>
#include <csignal>
#include <mutex>

namespace {

struct ArmedRange {
    const char* begin;
    const char* end;
    sigjmp_buf resume;
    ArmedRange* outer;
};

// The innermost armed range of this thread (a plain pointer: safe to read in a handler).
thread_local ArmedRange* t_armed = nullptr;

struct sigaction g_previous {};
std::once_flag g_installed;

void OnBusError(int signal, siginfo_t* info, void* context)
{
    const auto* at = static_cast<const char*>(info->si_addr);
    for (ArmedRange* range = t_armed; range != nullptr; range = range->outer) {
        if (at >= range->begin && at < range->end) {
            siglongjmp(range->resume, 1);
        }
    }
    // Not a fault of guarded hashing: as if this handler had never been installed.
    if ((g_previous.sa_flags & SA_SIGINFO) != 0) {
        g_previous.sa_sigaction(signal, info, context);
        return;
    }
    if (g_previous.sa_handler != SIG_DFL && g_previous.sa_handler != SIG_IGN) {
        g_previous.sa_handler(signal);
        return;
    }
    // Back to the default action: a fault repeats when this returns and ends the
    // process; a SIGBUS sent by another process is raised again.
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    ::sigaction(signal, &fallback, nullptr);
    if (info->si_code <= 0) {
        ::raise(signal);
    }
}

void InstallHandler() noexcept
{
    struct sigaction action {};
    action.sa_sigaction = &OnBusError;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGBUS, &action, &g_previous);
}

void UnblockBusError() noexcept
{
    // Leaving the handler by a jump that does not restore the signal mask leaves
    // SIGBUS blocked; a later fault would then end the process.
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGBUS);
    ::pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
}

}  // namespace

bool RunGuardedAgainstBusError(const void* begin, std::size_t length, BusErrorGuardedBody body,
                               void* context) noexcept
{
    std::call_once(g_installed, &InstallHandler);
    ArmedRange range;
    range.begin = static_cast<const char*>(begin);
    range.end = range.begin + length;
    range.outer = t_armed;
    // Saving the signal mask would cost a system call per block; the rare fault path
    // unblocks SIGBUS itself instead.
    if (sigsetjmp(range.resume, 0) != 0) {
        t_armed = range.outer;
        UnblockBusError();
        return false;
    }
    t_armed = &range;
    body(context);
    t_armed = range.outer;
    return true;
}
