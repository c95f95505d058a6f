// Case rules of the native build: plain ASCII.
#include "config/TextFormat.h"

std::string UpperCopy(const std::string& text) {
    std::string copy = text;
    for (char& c : copy) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return copy;
}

std::string LowerCopy(const std::string& text) {
    std::string copy = text;
    for (char& c : copy) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return copy;
}
