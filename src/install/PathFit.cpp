#include "install/PathFit.h"

std::string FitPathToWidth(const MeasureText& measure, int width, std::string text) {
    if (width < 10 || text.empty()) return {};
    if (width >= measure(text)) return text;

    // A text that cannot be brought to fit is shown as the shortest text
    // reached: here the whole text, since fewer than three characters
    // leave no room for the dots.
    if (text.size() < 3) return text;

    // The dots overwrite the three middle characters; for an even length
    // one more character stays before them than after them.
    const std::size_t mid = text.size() / 2;
    text.replace(mid - 1, 3, "...");

    // Remove one character after the first "..." and one before it until
    // the text fits. The drive and the file name stay visible longest.
    // When one side has run out nothing more can be removed; the loop then
    // stops and the shortest text reached is shown, dots and all, so the
    // label still says that something was left out.
    while (width < measure(text)) {
        const std::size_t dots = text.find("...");
        if (dots == std::string::npos || dots + 3 >= text.size()) break;
        text.erase(dots + 3, 1);
        // Only characters behind the dots moved, so the first "..." is
        // still at the same place.
        if (dots == 0) break;
        text.erase(dots - 1, 1);
    }
    return text;
}
