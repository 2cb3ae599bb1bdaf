#include "pumpmessages.h"

namespace {

struct PumpHook {
    ScopedPumpHook::Hook hook = nullptr;
    void* context = nullptr;
};

thread_local PumpHook t_pumpHook;

}  // namespace

void PumpMessages()
{
    const PumpHook current = t_pumpHook;
    if (current.hook != nullptr) {
        current.hook(current.context);
    }
}

ScopedPumpHook::ScopedPumpHook(Hook hook, void* context) noexcept
    : m_previousHook(t_pumpHook.hook), m_previousContext(t_pumpHook.context)
{
    t_pumpHook = PumpHook{hook, context};
}

ScopedPumpHook::~ScopedPumpHook()
{
    t_pumpHook = PumpHook{m_previousHook, m_previousContext};
}
