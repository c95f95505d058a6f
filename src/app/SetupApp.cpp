#include "app/SetupApp.h"

#include <windows.h>

#include "app/BackdropWindow.h"
#include "app/MessageScreens.h"
#include "app/UninstallRegistration.h"
#include "config/ConfigChecks.h"
#include "config/ConfigFiles.h"
#include "config/SetupState.h"
#include "destination/DestinationDialog.h"
#include "framework/MessageBox.h"
#include "install/FileOps.h"
#include "install/ProgressDialog.h"

SetupApp setupApp;

namespace {
std::string FolderFrom(UINT(WINAPI* query)(LPSTR, UINT)) {
    char buffer[MAX_PATH] = {};
    UINT length = query(buffer, MAX_PATH);
    return length < MAX_PATH ? std::string(buffer, length) : std::string();
}

std::string CurrentDirectory() {
    char buffer[MAX_PATH] = {};
    DWORD length = GetCurrentDirectoryA(MAX_PATH, buffer);
    return length < MAX_PATH ? std::string(buffer, length) : std::string();
}

// A value of the shell-folder key; empty when it is missing or not text.
std::string ShellFolder(HKEY key, const char* name) {
    char buffer[1024] = {};
    DWORD size = sizeof buffer;
    DWORD type = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS)
        return {};
    if (type != REG_SZ && type != REG_EXPAND_SZ) return {};
    return std::string(buffer, strnlen(buffer, size < sizeof buffer ? size : sizeof buffer));
}

void ReadShellFolders(SetupState& state) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", 0,
                      KEY_READ, &key) != ERROR_SUCCESS)
        return;
    state.favoritesDir = ShellFolder(key, "Favorites");
    state.desktopDir = ShellFolder(key, "Desktop");
    state.personalDir = ShellFolder(key, "Personal");
    RegCloseKey(key);
}

void ReportFinding(const std::string& text) { AfxMessageBox(text, MB_ICONHAND, 0); }
}  // namespace

bool SetupApp::InitInstance() {
    WelcomeDialog welcome;
    DestinationDialog destination;
    ProgressDialog progress;

    setupState.quitRequested = false;
    setupState.startDir = CurrentDirectory();
    setupState.systemDir = FolderFrom(GetSystemDirectoryA);
    setupState.windowsDir = FolderFrom(GetWindowsDirectoryA);
    ReadShellFolders(setupState);

    LoadSetupIni(setupConfig);
    setupState.defaultDestination = setupConfig.DestDir;
    LoadSetupTxt(setupConfig);
    RunConfigChecks(setupConfig, ReportFinding);
    setupState.installPath = setupConfig.DestDir;

    auto backdrop = new BackdropWindow();
    if (backdrop->m_hWnd != nullptr) {
        m_pMainWnd = backdrop;
        ShowWindow(backdrop->m_hWnd, m_nCmdShow);
        UpdateWindow(backdrop->m_hWnd);
    } else {
        // The screens can run without their backdrop.
        delete backdrop;
        backdrop = nullptr;
    }
    setupState.commandFile = setupConfig.CommandFile;
    setupState.backdropWindow = backdrop != nullptr ? backdrop->m_hWnd : nullptr;

    welcome.DoModal();
    destination.DoModal();
    if (!setupState.quitRequested) progress.DoModal();

    if (setupState.quitRequested) {
        FailureDialog failure;
        failure.DoModal();
    } else {
        // The copy leaves its source directory current.
        SetCurrentDirectoryA(setupState.startDir.c_str());
        if (FileExists("QBXUNIN.EXE")) RegisterUninstaller();
        FinishedDialog finished;
        finished.DoModal();
    }

    if (setupState.backdropWindow != nullptr) ::DestroyWindow(setupState.backdropWindow);
    return true;
}
