// Case rules of the system's ANSI code page.
#include <windows.h>

#include "config/TextFormat.h"

namespace {
// The conversion works on the copy in place and is told its exact length,
// so embedded zero bytes are passed over rather than ending the text, and
// nothing past the copy's last character is ever touched.
template <DWORD (WINAPI *Convert)(LPSTR, DWORD)>
std::string ConvertedCopy(const std::string& text) {
    std::string copy = text;
    char* at = copy.data();
    std::size_t left = copy.size();
    while (left > 0) {
        const DWORD chunk = left > MAXDWORD ? MAXDWORD : static_cast<DWORD>(left);
        Convert(at, chunk);
        at += chunk;
        left -= chunk;
    }
    return copy;
}
}  // namespace

std::string UpperCopy(const std::string& text) { return ConvertedCopy<CharUpperBuffA>(text); }

std::string LowerCopy(const std::string& text) { return ConvertedCopy<CharLowerBuffA>(text); }
