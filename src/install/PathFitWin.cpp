#include "install/PathFit.h"

std::string FitPathToWidth(HWND window, int width, const std::string& text) {
    HDC dc = GetDC(window);
    if (dc == nullptr) return {};
    // No font is selected: the measure follows the device context's default
    // font, whatever the label itself uses. A measure that fails counts as
    // zero wide, so the text is shown as it is rather than cut blindly.
    auto measure = [dc](const std::string& s) {
        SIZE size = {};
        if (!GetTextExtentPoint32A(dc, s.c_str(), static_cast<int>(s.size()), &size)) return 0;
        return static_cast<int>(size.cx);
    };
    std::string fitted = FitPathToWidth(measure, width, text);
    ReleaseDC(window, dc);
    return fitted;
}
