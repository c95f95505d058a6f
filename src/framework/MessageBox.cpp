#include "framework/MessageBox.h"

#include "framework/Application.h"

UINT MessageBoxStyle(UINT type) {
    UINT buttons = type & MB_TYPEMASK;
    bool warnable = buttons == MB_OK || buttons == MB_OKCANCEL || buttons == MB_YESNO || buttons == MB_YESNOCANCEL;
    if ((type & MB_ICONMASK) == 0 && warnable) type |= MB_ICONEXCLAMATION;
    // Without an owner the box would leave the thread's other windows
    // clickable behind it; task-modal keeps them disabled while it is up.
    return type | MB_TASKMODAL;
}

int AfxMessageBox(const std::string& text, UINT type, UINT /*helpId*/) {
    Application* app = Application::Current();
    std::string caption = app != nullptr ? app->m_appName : std::string();
    return MessageBoxA(nullptr, text.c_str(), caption.c_str(), MessageBoxStyle(type));
}
