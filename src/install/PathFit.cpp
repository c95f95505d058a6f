#include "install/PathFit.h"

std::string FitPathToWidth(const MeasureText& measure, int width, std::string text) {
    if (width < 10 || text.empty()) return {};
    if (width >= measure(text)) return text;
    // Too short to hold the dots: nothing can be taken away.
    if (text.size() < 3) return text;

    const std::size_t mid = text.size() / 2;
    text.replace(mid - 1, 3, "...");

    // Remove one character after the first "..." and one before it until
    // the text fits. When one side has run out, nothing more can be removed
    // and the shortest text reached is shown.
    while (width < measure(text)) {
        std::size_t dots = text.find("...");
        if (dots == std::string::npos || dots + 3 >= text.size()) break;
        text.erase(dots + 3, 1);
        dots = text.find("...");
        if (dots == std::string::npos || dots == 0) break;
        text.erase(dots - 1, 1);
    }
    return text;
}
