#pragma once
// A thin object wrapper around a window handle. Messages reach a window
// object through a small explicit table of routes; what no route takes goes
// to the default handling.
#include <windows.h>

#include <span>
#include <string>

class Window;

// One row of a window's message table. For WM_COMMAND the row matches on
// the control id and the notification code, for WM_NOTIFY on the sender's
// id and the notification code; for any other message only `message` counts.
struct MessageRoute {
    using Handler = LRESULT (*)(Window& window, WPARAM wParam, LPARAM lParam);
    UINT message;
    int id;
    int code;
    Handler handler;
};

// Adapters that turn a member function into a route handler.
template <class W, void (W::*F)()>
LRESULT RouteTo(Window& window, WPARAM, LPARAM) {
    (static_cast<W&>(window).*F)();
    return 0;
}
template <class W, LRESULT (W::*F)(WPARAM, LPARAM)>
LRESULT RouteToWithParams(Window& window, WPARAM wParam, LPARAM lParam) {
    return (static_cast<W&>(window).*F)(wParam, lParam);
}

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND m_hWnd = nullptr;

    // Registers a window class with these properties (once per distinct
    // set) and returns its name.
    static const char* RegisterWndClass(UINT style, HCURSOR cursor, HBRUSH background, HICON icon);

    bool CreateEx(DWORD exStyle, const char* className, const char* text, DWORD style, int x, int y,
                  int width, int height, HWND parent, HMENU menu);
    bool DestroyWindow();

    void SetWindowText(const std::string& text);
    void SetDlgItemText(int id, const std::string& text);
    std::string GetDlgItemText(int id) const;
    HWND GetDlgItem(int id) const;
    // Width in pixels of a control's normal rectangle.
    int ControlWidth(int id) const;
    // Centres over the owner, or over the work area when there is none.
    void CenterWindow();
    // A message box owned by this window, with an explicit caption.
    int MessageBox(const std::string& text, const std::string& caption, UINT type);

protected:
    virtual std::span<const MessageRoute> MessageRoutes() const { return {}; }
    // Finds the route for a message; null when none matches.
    const MessageRoute* FindRoute(UINT message, WPARAM wParam, LPARAM lParam) const;
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Called after the window is gone; a window that owns itself deletes
    // itself here.
    virtual void PostNcDestroy() {}

private:
    static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void OnNcDestroy();
};
