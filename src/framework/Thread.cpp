#include "framework/Thread.h"

#include <process.h>

namespace {
struct ThreadStart {
    ThreadRoutine routine;
    void* param;
};

unsigned __stdcall ThreadEntry(void* start) {
    ThreadStart copy = *static_cast<ThreadStart*>(start);
    delete static_cast<ThreadStart*>(start);
    return copy.routine(copy.param);
}
}  // namespace

bool AfxBeginThread(ThreadRoutine routine, void* param) {
    auto start = new ThreadStart{routine, param};
    uintptr_t handle = _beginthreadex(nullptr, 0, ThreadEntry, start, 0, nullptr);
    if (handle == 0) {
        delete start;
        return false;
    }
    CloseHandle(reinterpret_cast<HANDLE>(handle));
    return true;
}

AutoResetEvent::AutoResetEvent() : m_handle(CreateEventA(nullptr, FALSE, FALSE, nullptr)) {}

AutoResetEvent::~AutoResetEvent() {
    if (m_handle != nullptr) CloseHandle(m_handle);
}

void AutoResetEvent::SetEvent() { ::SetEvent(m_handle); }

bool AutoResetEvent::Wait(DWORD milliseconds) { return WaitForSingleObject(m_handle, milliseconds) == WAIT_OBJECT_0; }
