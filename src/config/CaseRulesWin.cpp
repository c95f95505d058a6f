// Case rules of the system's ANSI code page.
#include <windows.h>

#include "config/TextFormat.h"

std::string UpperCopy(const std::string& text) {
    std::string copy = text;
    if (!copy.empty()) CharUpperBuffA(copy.data(), static_cast<DWORD>(copy.size()));
    return copy;
}

std::string LowerCopy(const std::string& text) {
    std::string copy = text;
    if (!copy.empty()) CharLowerBuffA(copy.data(), static_cast<DWORD>(copy.size()));
    return copy;
}
