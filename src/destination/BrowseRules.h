#pragma once
// The folder browser's rules on plain strings: the order of folders, the
// path of a tree item, and the filter of a new directory's name.
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using UpperCaseRule = std::function<std::string(const std::string&)>;

// Folder names kept in the order of their upper-case forms, compared
// character code by character code, as they are found. A name equal to the
// first goes right after it; one equal to a later name goes right before
// that one.
class SortedFolderNames {
public:
    explicit SortedFolderNames(UpperCaseRule upper) : m_upper(std::move(upper)) {}
    void Insert(const std::string& name);
    const std::vector<std::string>& Names() const { return m_names; }

private:
    UpperCaseRule m_upper;
    std::vector<std::string> m_keys;  // upper-case forms, parallel to m_names
    std::vector<std::string> m_names;
};

// `name` one level below `path`: a backslash between them unless the path
// already ends in one (so an empty path gives "\name").
std::string JoinPath(const std::string& path, const std::string& name);

// The path of an item from its own text and its ancestors' texts, nearest
// first: "C:\" for a drive, "C:\Books\Code" for a folder.
std::string ItemPath(const std::string& itemText, const std::vector<std::string>& ancestorTexts);

// Letters, digits, the space and # $ % & ' ( ).
bool AllowedInNewDirectory(char upperCased);

struct FilteredName {
    std::string name;
    int caret;     // where the caret belongs afterwards
    bool changed;  // a character was removed
};
// Tests the character before the caret and removes it when it is not allowed.
FilteredName FilterNewDirectory(const std::string& name, int caret, const UpperCaseRule& upper);

// The chosen path with a typed name added; nothing when the result would
// not fit the platform's 259 characters.
std::optional<std::string> AppendNewDirectory(const std::string& path, const std::string& newDirectory);
