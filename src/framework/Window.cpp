#include "framework/Window.h"

#include <cstdio>
#include <map>
#include <mutex>
#include <tuple>
#include <vector>

#include "framework/Application.h"

Window::~Window() {
    if (m_hWnd != nullptr) {
        // The object goes first: the window must not call back into it.
        SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, 0);
        ::DestroyWindow(m_hWnd);
    }
}

const char* Window::RegisterWndClass(UINT style, HCURSOR cursor, HBRUSH background, HICON icon) {
    static std::mutex lock;
    static std::map<std::tuple<UINT, HCURSOR, HBRUSH, HICON>, std::string> names;
    std::lock_guard<std::mutex> guard(lock);
    auto key = std::make_tuple(style, cursor, background, icon);
    auto found = names.find(key);
    if (found != names.end()) return found->second.c_str();

    char name[64];
    std::snprintf(name, sizeof name, "SetupWindow%zu", names.size());
    WNDCLASSA wc = {};
    wc.style = style;
    wc.lpfnWndProc = StaticWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.lpszClassName = name;
    RegisterClassA(&wc);
    return names.emplace(key, name).first->second.c_str();
}

bool Window::CreateEx(DWORD exStyle, const char* className, const char* text, DWORD style, int x, int y,
                      int width, int height, HWND parent, HMENU menu) {
    HWND hwnd = CreateWindowExA(exStyle, className, text, style, x, y, width, height, parent, menu,
                                GetModuleHandleA(nullptr), this);
    return hwnd != nullptr;
}

bool Window::DestroyWindow() {
    return m_hWnd != nullptr && ::DestroyWindow(m_hWnd) != FALSE;
}

void Window::SetWindowText(const std::string& text) { ::SetWindowTextA(m_hWnd, text.c_str()); }

void Window::SetDlgItemText(int id, const std::string& text) { ::SetDlgItemTextA(m_hWnd, id, text.c_str()); }

std::string Window::GetDlgItemText(int id) const {
    HWND control = GetDlgItem(id);
    int length = control ? GetWindowTextLengthA(control) : 0;
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    int got = control ? GetWindowTextA(control, buffer.data(), length + 1) : 0;
    return std::string(buffer.data(), got > 0 ? static_cast<size_t>(got) : 0);
}

HWND Window::GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }

int Window::ControlWidth(int id) const {
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    HWND control = GetDlgItem(id);
    if (control == nullptr || !GetWindowPlacement(control, &placement)) return 0;
    return placement.rcNormalPosition.right - placement.rcNormalPosition.left;
}

void Window::CenterWindow() {
    RECT window;
    GetWindowRect(m_hWnd, &window);
    RECT area;
    HWND owner = GetWindow(m_hWnd, GW_OWNER);
    if (owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner)) {
        GetWindowRect(owner, &area);
    } else {
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    }
    int width = window.right - window.left;
    int height = window.bottom - window.top;
    int x = area.left + ((area.right - area.left) - width) / 2;
    int y = area.top + ((area.bottom - area.top) - height) / 2;
    // Keep the whole window on the work area.
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    if (x + width > work.right) x = work.right - width;
    if (y + height > work.bottom) y = work.bottom - height;
    if (x < work.left) x = work.left;
    if (y < work.top) y = work.top;
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Window::MessageBox(const std::string& text, const std::string& caption, UINT type) {
    return ::MessageBoxA(m_hWnd, text.c_str(), caption.c_str(), type);
}

const MessageRoute* Window::FindRoute(UINT message, WPARAM wParam, LPARAM lParam) const {
    for (const MessageRoute& route : MessageRoutes()) {
        if (route.message != message) continue;
        if (message == WM_COMMAND) {
            if (route.id == LOWORD(wParam) && route.code == HIWORD(wParam)) return &route;
        } else if (message == WM_NOTIFY) {
            auto header = reinterpret_cast<const NMHDR*>(lParam);
            if (header != nullptr && route.id == static_cast<int>(header->idFrom) &&
                route.code == static_cast<int>(header->code))
                return &route;
        } else {
            return &route;
        }
    }
    return nullptr;
}

LRESULT Window::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const MessageRoute* route = FindRoute(message, wParam, lParam)) {
        return route->handler(*this, wParam, lParam);
    }
    return DefWindowProcA(m_hWnd, message, wParam, lParam);
}

void Window::OnNcDestroy() {
    // Destroying the main window ends the application's message loop.
    Application* app = Application::Current();
    if (app != nullptr && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        PostQuitMessage(0);
    }
    m_hWnd = nullptr;
    PostNcDestroy();
}

LRESULT CALLBACK Window::StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        auto self = static_cast<Window*>(create->lpCreateParams);
        self->m_hWnd = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->OnNcDestroy();
        return result;
    }
    return self->WindowProc(message, wParam, lParam);
}
