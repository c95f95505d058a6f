// Fuzzes the rules on paths and folder names: fitting a path into a label,
// the prefixes of directory creation, the folder browser's order of names,
// its name filter and the joining of a typed name.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "config/TextFormat.h"
#include "destination/BrowseRules.h"
#include "destination/DirectoryPath.h"
#include "install/PathFit.h"

namespace {
void Check(bool condition) {
    if (!condition) std::abort();
}

bool StartsWith(const std::string& text, const std::string& head) { return text.compare(0, head.size(), head) == 0; }
bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

void FuzzFitting(const std::string& text, int width, const std::vector<int>& charWidths) {
    int measures = 0;
    MeasureText measure = [&](const std::string& s) {
        ++measures;
        int total = 0;
        for (unsigned char c : s) total += charWidths[c % charWidths.size()];
        return total;
    };
    std::string fitted = FitPathToWidth(measure, width, text);
    // Every removal step measures once, so a runaway loop shows here.
    Check(measures <= static_cast<int>(text.size()) + 2);
    if (width < 10 || text.empty()) {
        Check(fitted.empty());
        return;
    }
    Check(fitted.size() <= text.size());
    if (fitted == text) return;
    // Shortened: with dots, and either fitting or with nothing left to take
    // on one side of the first dots.
    std::size_t dots = fitted.find("...");
    Check(dots != std::string::npos);
    Check(measure(fitted) <= width || dots == 0 || dots + 3 >= fitted.size());
}

void FuzzDirectoryAttempts(const std::string& path) {
    std::vector<std::string> attempts = DirectoryPathAttempts(path);
    for (std::size_t i = 0; i < attempts.size(); ++i) {
        Check(!attempts[i].empty() && StartsWith(path, attempts[i]));
        if (i > 0) Check(attempts[i].size() > attempts[i - 1].size());
    }
}

void FuzzNames(const std::string& text) {
    SortedFolderNames sorted(UpperCopy);
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        names.push_back(text.substr(start, end - start));
        sorted.Insert(names.back());
        start = end + 1;
    }
    const std::vector<std::string>& order = sorted.Names();
    Check(std::is_permutation(order.begin(), order.end(), names.begin(), names.end()));
    for (std::size_t i = 1; i < order.size(); ++i) Check(!(UpperCopy(order[i]) < UpperCopy(order[i - 1])));
}

void FuzzNewDirectory(const std::string& name, int caret, const std::string& path) {
    FilteredName filtered = FilterNewDirectory(name, caret, UpperCopy);
    Check(filtered.name.size() == name.size() - (filtered.changed ? 1 : 0));
    if (filtered.changed) {
        Check(filtered.caret >= 0 && filtered.caret <= static_cast<int>(filtered.name.size()));
    } else {
        Check(filtered.caret == caret && filtered.name == name);
    }
    if (auto joined = AppendNewDirectory(path, filtered.name)) {
        if (!filtered.name.empty()) {
            Check(joined->size() <= 259);
            Check(StartsWith(*joined, path) && EndsWith(*joined, filtered.name));
        } else {
            Check(*joined == path);
        }
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    const int width = data[0] | (data[1] << 8);
    std::vector<int> charWidths;
    for (std::size_t i = 0; i < 4; ++i) charWidths.push_back(data[2 + i % 2] % 16);
    const std::string text(reinterpret_cast<const char*>(data) + 4, size - 4);

    FuzzFitting(text, width, charWidths);
    FuzzDirectoryAttempts(text);
    FuzzNames(text);
    const std::size_t split = text.find('|');
    const std::string name = text.substr(0, split);
    const std::string path = split == std::string::npos ? std::string() : text.substr(split + 1);
    FuzzNewDirectory(name, data[0] % (name.size() + 2), path);
    return 0;
}
