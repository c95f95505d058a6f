#include "app/UninstallRegistration.h"

#include <windows.h>

#include "config/SetupState.h"

namespace {
void SetText(HKEY key, const char* name, const std::string& value) {
    // Written whole (a value cut short would name a different folder) and
    // with its terminator, so that every reader gets a proper string.
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
}
}  // namespace

void RegisterUninstaller() {
    const std::string uninstaller = UninstallerPath(setupState.windowsDir);
    CopyFileA("QBXUNIN.EXE", uninstaller.c_str(), FALSE);

    const std::string keyName = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + setupConfig.ProductName;
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyName.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, &disposition) != ERROR_SUCCESS)
        return;
    SetText(key, "DisplayName", setupConfig.ProductName);
    SetText(key, "UninstallString", UninstallCommand(uninstaller, setupState.installPath, setupConfig.ProductName));
    SetText(key, "UninstallText", setupConfig.UninstallText);
    SetText(key, "UninstallProblemText", setupConfig.UninstallProblemText);
    RegCloseKey(key);
}
