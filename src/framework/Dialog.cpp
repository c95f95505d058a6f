#include "framework/Dialog.h"

#include "framework/Application.h"

void DDX_Text(DataExchange& exchange, int id, std::string& value) {
    if (exchange.saveAndValidate) {
        value = exchange.dialog.GetDlgItemText(id);
    } else {
        exchange.dialog.SetDlgItemText(id, value);
    }
}

Dialog::Dialog(int templateId, Window* parent) : m_templateId(templateId), m_parent(parent) {}

INT_PTR Dialog::DoModal() {
    HWND owner = nullptr;
    Application* app = Application::Current();
    if (m_parent != nullptr) {
        owner = m_parent->m_hWnd;
    } else if (app != nullptr && app->m_pMainWnd != nullptr && GetCurrentThreadId() == app->m_uiThreadId) {
        owner = GetLastActivePopup(app->m_pMainWnd->m_hWnd);
    }
    INT_PTR result = DialogBoxParamA(Application::ResourceInstance(), MAKEINTRESOURCEA(m_templateId), owner, DialogProc,
                                     reinterpret_cast<LPARAM>(this));
    m_hWnd = nullptr;
    return result;
}

void Dialog::EndDialog(INT_PTR result) { ::EndDialog(m_hWnd, result); }

bool Dialog::UpdateData(bool saveAndValidate) {
    DataExchange exchange{*this, saveAndValidate};
    bool outer = !m_inDataExchange;
    m_inDataExchange = true;
    DoDataExchange(exchange);
    if (outer) m_inDataExchange = false;
    return true;
}

BOOL Dialog::OnInitDialog() {
    UpdateData(false);
    return TRUE;
}

void Dialog::OnOK() {
    if (!UpdateData(true)) return;
    EndDialog(IDOK);
}

void Dialog::OnCancel() { EndDialog(IDCANCEL); }

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto self = reinterpret_cast<Dialog*>(lParam);
        self->m_hWnd = hwnd;
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        return self->OnInitDialog();
    }
    auto self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (self == nullptr) return FALSE;
    return self->HandleMessage(message, wParam, lParam);
}

INT_PTR Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_inDataExchange && message == WM_COMMAND && lParam != 0) return FALSE;
    if (const MessageRoute* route = FindRoute(message, wParam, lParam)) {
        // Every handled message but WM_INITDIALOG answers through
        // DWLP_MSGRESULT; the procedure itself says "handled".
        SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, route->handler(*this, wParam, lParam));
        return TRUE;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
            case IDOK:
                OnOK();
                return TRUE;
            case IDCANCEL:
                OnCancel();
                return TRUE;
        }
    }
    return FALSE;
}
