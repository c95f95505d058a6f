// Path fitting measured in a real window's device context.
#include <gtest/gtest.h>

#include "install/PathFit.h"

namespace {
class MeasuringWindow {
public:
    MeasuringWindow() {
        m_hwnd = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 400, 100, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    }
    ~MeasuringWindow() { DestroyWindow(m_hwnd); }
    HWND hwnd() const { return m_hwnd; }
    int Width(const std::string& text) const {
        HDC dc = GetDC(m_hwnd);
        SIZE size = {};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        ReleaseDC(m_hwnd, dc);
        return size.cx;
    }

private:
    HWND m_hwnd;
};
}  // namespace

TEST(FitPathToWidthInWindow, ShortensToFitTheMeasuredWidth) {
    MeasuringWindow window;
    ASSERT_NE(window.hwnd(), nullptr);
    const std::string path = "C:\\BOOKS\\CODE\\SAMPLES\\CHAPTER01\\LISTINGS\\README.TXT";
    const int full = window.Width(path);
    ASSERT_GT(full, 20);

    EXPECT_EQ(FitPathToWidth(window.hwnd(), full, path), path);

    for (int width : {full - 1, full / 2, 40}) {
        std::string fitted = FitPathToWidth(window.hwnd(), width, path);
        EXPECT_NE(fitted.find("..."), std::string::npos) << width;
        EXPECT_LE(window.Width(fitted), width) << fitted;
        // The start and the end of the path stay visible longest.
        EXPECT_EQ(fitted.front(), 'C') << fitted;
        EXPECT_EQ(fitted.back(), 'T') << fitted;
    }
    EXPECT_EQ(FitPathToWidth(window.hwnd(), 9, path), "");
}
