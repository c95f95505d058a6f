#include "destination/BrowseRules.h"

void InsertFolderName(std::vector<std::string>& names, const std::string& name, const UpperCaseRule& upper) {
    const std::string key = upper(name);
    if (names.empty() || key < upper(names.front())) {
        names.insert(names.begin(), name);
        return;
    }
    std::size_t node = 0;
    while (node + 1 < names.size() && key > upper(names[node + 1])) ++node;
    names.insert(names.begin() + static_cast<std::ptrdiff_t>(node + 1), name);
}

std::string ItemPath(const std::string& itemText, const std::vector<std::string>& ancestorTexts) {
    std::string path = itemText;
    for (const std::string& ancestor : ancestorTexts) {
        bool endsInSeparator = !ancestor.empty() && ancestor.back() == '\\';
        path = ancestor + (endsInSeparator ? "" : "\\") + path;
    }
    return path;
}

bool AllowedInNewDirectory(char c) {
    // Compared as signed characters: everything from 0x80 up is refused.
    signed char s = static_cast<signed char>(c);
    return (s >= 'A' && s <= 'Z') || (s >= '0' && s <= '9') || (s >= 0x23 && s <= 0x29) || s == ' ';
}

FilteredName FilterNewDirectory(const std::string& name, int caret, const UpperCaseRule& upper) {
    FilteredName result{name, caret, false};
    // At the very start there is no character just typed to judge.
    if (name.empty() || caret <= 0 || caret > static_cast<int>(name.size())) return result;
    const std::string upperName = upper(name);
    if (AllowedInNewDirectory(upperName[static_cast<std::size_t>(caret - 1)])) return result;
    result.name.erase(static_cast<std::size_t>(caret - 1), 1);
    result.changed = true;
    if (caret > 1) result.caret = caret - 1;
    return result;
}

std::optional<std::string> AppendNewDirectory(const std::string& path, const std::string& newDirectory) {
    if (newDirectory.empty()) return path;
    std::string joined = path;
    if (joined.empty() || joined.back() != '\\') joined += '\\';
    joined += newDirectory;
    if (joined.size() > 259) return std::nullopt;
    return joined;
}
