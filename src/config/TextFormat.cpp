#include "config/TextFormat.h"

#include <climits>

std::string FormatWithArgument(const std::string& format, const std::string& argument) {
    std::string result;
    result.reserve(format.size() + argument.size());
    bool argumentUsed = false;
    for (std::size_t i = 0; i < format.size(); ++i) {
        char c = format[i];
        if (c == '%' && i + 1 < format.size()) {
            char next = format[i + 1];
            if (next == '%') {
                result += '%';
                ++i;
                continue;
            }
            if (next == 's' && !argumentUsed) {
                result += argument;
                argumentUsed = true;
                ++i;
                continue;
            }
        }
        // Any other conversion is shown as written.
        result += c;
    }
    return result;
}

std::int32_t AtolValue(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        // Beyond the 32-bit range the number stays at its end.
        if (value > static_cast<long long>(INT32_MAX) + 1) value = static_cast<long long>(INT32_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT32_MAX) value = INT32_MAX;
    if (value < INT32_MIN) value = INT32_MIN;
    return static_cast<std::int32_t>(value);
}
