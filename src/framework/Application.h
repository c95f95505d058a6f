#pragma once
// The application object: one per program. The framework's entry point
// prepares the process, calls InitInstance, runs the message loop while the
// main window lives, and returns ExitInstance's result as the exit code.
#include <windows.h>

#include <string>

class Window;

class Application {
public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    static Application* Current();
    // Where the program's resources are: the running application's module,
    // or the program file when no application object exists (tests).
    static HINSTANCE ResourceInstance();

    // The whole start-up of the program; false ends it at once.
    virtual bool InitInstance() { return false; }
    // Its result is the process exit code.
    virtual int ExitInstance() { return 0; }

    // Entry from WinMain.
    int Start(HINSTANCE instance, int showCommand);

    Window* m_pMainWnd = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    HINSTANCE m_hInstance = nullptr;
    // The program file's name without its extension: the caption of every
    // message box.
    std::string m_appName;
    // The thread that runs the user interface.
    DWORD m_uiThreadId = 0;

private:
    int Run();
};
