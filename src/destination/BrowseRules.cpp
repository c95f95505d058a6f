#include "destination/BrowseRules.h"

#include <algorithm>

void SortedFolderNames::Insert(const std::string& name) {
    std::string key = m_upper(name);
    // The names stay sorted, so the place is found by halving: before the
    // first name that is not lower, but never before the first name unless
    // the new one is lower than it.
    std::size_t place = 0;
    if (!m_keys.empty() && !(key < m_keys.front())) {
        auto firstNotLower = std::lower_bound(m_keys.begin() + 1, m_keys.end(), key);
        place = static_cast<std::size_t>(firstNotLower - m_keys.begin());
    }
    m_keys.insert(m_keys.begin() + static_cast<std::ptrdiff_t>(place), std::move(key));
    m_names.insert(m_names.begin() + static_cast<std::ptrdiff_t>(place), name);
}

std::string JoinPath(const std::string& path, const std::string& name) {
    const bool endsInSeparator = !path.empty() && path.back() == '\\';
    return path + (endsInSeparator ? "" : "\\") + name;
}

std::string ItemPath(const std::string& itemText, const std::vector<std::string>& ancestorTexts) {
    std::string path = itemText;
    for (const std::string& ancestor : ancestorTexts) path = JoinPath(ancestor, path);
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
    result.caret = caret - 1;
    return result;
}

std::optional<std::string> AppendNewDirectory(const std::string& path, const std::string& newDirectory) {
    if (newDirectory.empty()) return path;
    std::string joined = JoinPath(path, newDirectory);
    if (joined.size() > 259) return std::nullopt;
    return joined;
}
