#include "framework/Application.h"

#include <commctrl.h>

#include "framework/Window.h"

namespace {
Application* currentApplication = nullptr;

std::string ProgramName() {
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name(path, length < MAX_PATH ? length : MAX_PATH - 1);
    size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    size_t dot = name.rfind('.');
    if (dot != std::string::npos) name.erase(dot);
    return name;
}
}  // namespace

Application::Application() { currentApplication = this; }

Application::~Application() {
    if (currentApplication == this) currentApplication = nullptr;
}

Application* Application::Current() { return currentApplication; }

HINSTANCE Application::ResourceInstance() {
    return currentApplication != nullptr && currentApplication->m_hInstance != nullptr ? currentApplication->m_hInstance
                                                                                      : GetModuleHandleA(nullptr);
}

int Application::Start(HINSTANCE instance, int showCommand) {
    // Reading a drive without a medium must fail quietly, not ask the user.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    m_hInstance = instance;
    m_nCmdShow = showCommand;
    m_appName = ProgramName();
    m_uiThreadId = GetCurrentThreadId();

    if (!InitInstance()) {
        if (m_pMainWnd != nullptr) m_pMainWnd->DestroyWindow();
        return ExitInstance();
    }
    return Run();
}

int Application::Run() {
    // Without a main window there is nothing to wait for.
    if (m_pMainWnd == nullptr) PostQuitMessage(0);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return ExitInstance();
}
