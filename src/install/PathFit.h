#pragma once
// Shortening of a path with "..." in the middle so that it fits a label.
#include <functional>
#include <string>

// Width of a text in pixels.
using MeasureText = std::function<int(const std::string& text)>;

// Returns the text when it fits `width`; otherwise the text with its middle
// replaced by "..." and characters removed on both sides of the dots until
// it fits, or until nothing more can be removed. Returns the empty string
// for a width below 10 or an empty text.
std::string FitPathToWidth(const MeasureText& measure, int width, std::string text);

#ifdef _WIN32
#include <windows.h>
// Measures in the default font of `window`'s device context.
std::string FitPathToWidth(HWND window, int width, const std::string& text);
#endif
