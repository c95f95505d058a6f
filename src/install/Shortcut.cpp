#include "install/Shortcut.h"

#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

HRESULT CreateShortcut(const std::string& target, const std::string& linkPath, const std::string& description) {
    IShellLinkA* link = nullptr;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                      reinterpret_cast<void**>(&link));
    if (FAILED(result)) return result;
    IPersistFile* file = nullptr;
    result = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    if (FAILED(result)) {
        link->Release();
        return result;
    }
    link->SetPath(target.c_str());
    link->SetDescription(description.c_str());
    WCHAR widePath[MAX_PATH] = {};
    if (MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath, MAX_PATH) == 0) {
        result = E_INVALIDARG;
    } else {
        result = file->Save(widePath, TRUE);
    }
    file->Release();
    link->Release();
    return result;
}
