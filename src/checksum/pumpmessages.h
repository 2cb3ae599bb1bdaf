#pragma once

// Lets the user interface process pending events between blocks when an engine runs
// on the interface thread. The hook is per thread: on a worker thread none is set
// and PumpMessages does nothing.
void PumpMessages();

// Installs a pump hook for the calling thread for the lifetime of the object and
// gives the previous one back afterwards; create and destroy it on the same thread.
class ScopedPumpHook {
public:
    using Hook = void (*)(void* context);
    ScopedPumpHook(Hook hook, void* context) noexcept;
    ~ScopedPumpHook();
    ScopedPumpHook(const ScopedPumpHook&) = delete;
    ScopedPumpHook& operator=(const ScopedPumpHook&) = delete;

private:
    Hook m_previousHook;
    void* m_previousContext;
};
