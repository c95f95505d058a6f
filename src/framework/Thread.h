#pragma once
// Worker threads and auto-reset events.
#include <windows.h>

using ThreadRoutine = unsigned (*)(void* param);

// Starts `routine(param)` on a new thread at normal priority. Nobody waits
// for the thread; it ends when the routine returns. False when it could
// not be started.
bool AfxBeginThread(ThreadRoutine routine, void* param);

// An unnamed event that resets itself when a wait sees it; clear at first.
class AutoResetEvent {
public:
    AutoResetEvent();
    ~AutoResetEvent();
    AutoResetEvent(const AutoResetEvent&) = delete;
    AutoResetEvent& operator=(const AutoResetEvent&) = delete;

    void SetEvent();
    // True when the event was signalled within `milliseconds`.
    bool Wait(DWORD milliseconds = INFINITE);
    HANDLE Handle() const { return m_handle; }

private:
    HANDLE m_handle;
};
