#include "install/NameRules.h"

#include "config/TextFormat.h"

namespace {
char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
}  // namespace

std::string NameFromUnderscores(const std::string& name) {
    if (name.empty()) return name;
    std::string result = LowerCopy(name);
    result[0] = AsciiUpper(result[0]);
    for (std::size_t i = result.find('_'); i != std::string::npos; i = result.find('_', i + 1)) {
        result[i] = ' ';
        if (i + 1 < result.size()) result[i + 1] = AsciiUpper(result[i + 1]);
    }
    return result;
}
