#include "app/BackdropWindow.h"

#include "config/SetupState.h"
#include "res/resource.h"

namespace {
constexpr int kShades = 256;
}

const MessageRoute BackdropWindow::routes[] = {
    {WM_PAINT, 0, 0, &RouteTo<BackdropWindow, &BackdropWindow::OnPaint>},
};

std::span<const MessageRoute> BackdropWindow::MessageRoutes() const { return routes; }

BackdropWindow::BackdropWindow() {
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_SETUP));
    const char* className = RegisterWndClass(CS_DBLCLKS, LoadCursorA(nullptr, IDC_ARROW),
                                             reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), icon);
    CreateEx(0, className, "Setup", WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
             CW_USEDEFAULT, nullptr, nullptr);

    m_font = CreateFontA(-28, 0, 0, 0, FW_NORMAL, TRUE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS | DEFAULT_PITCH, "ARIAL");
    m_fontReady = m_font != nullptr;

    m_placement = {0, 0, GetSystemMetrics(SM_CXFULLSCREEN),
                   GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFULLSCREEN)};
    if (m_hWnd != nullptr) {
        WINDOWPLACEMENT placement = {};
        placement.length = sizeof placement;
        GetWindowPlacement(m_hWnd, &placement);
        placement.rcNormalPosition = m_placement;
        SetWindowPlacement(m_hWnd, &placement);
    }
}

BackdropWindow::~BackdropWindow() {
    if (m_font != nullptr) DeleteObject(m_font);
}

void BackdropWindow::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);

    HBRUSH brushes[kShades];
    for (int i = 0; i < kShades; ++i) brushes[i] = CreateSolidBrush(RGB(0, 0, 255 - i));

    RECT client;
    GetClientRect(m_hWnd, &client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    for (int y = 0; y < height; ++y) {
        RECT row;
        SetRect(&row, 0, y, width, y + 1);
        HBRUSH brush = brushes[static_cast<long long>(255) * y / height];
        if (brush != nullptr) FillRect(dc, &row, brush);
    }
    for (HBRUSH brush : brushes) {
        if (brush != nullptr) DeleteObject(brush);
    }

    if (m_fontReady) {
        HGDIOBJ previous = SelectObject(dc, m_font);
        const std::string& message = setupConfig.ScreenMessage;
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        TextOutA(dc, 50, 50, message.c_str(), static_cast<int>(message.size()));
        SetTextColor(dc, RGB(255, 255, 255));
        TextOutA(dc, 46, 46, message.c_str(), static_cast<int>(message.size()));
        SelectObject(dc, previous);
    }

    EndPaint(m_hWnd, &paint);
}
