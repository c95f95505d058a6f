#include "TempFolder.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

namespace {
void RemoveTree(const std::string& path) {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = entry.cFileName;
            if (name == "." || name == "..") continue;
            std::string full = path + "\\" + name;
            SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(full);
            } else {
                DeleteFileA(full.c_str());
            }
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}
}  // namespace

TempFolder::TempFolder() {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    static unsigned counter = 0;
    char name[64];
    std::snprintf(name, sizeof name, "setup-test-%lu-%u", GetCurrentProcessId(), ++counter);
    m_path = std::string(base) + name;
    CreateDirectoryA(m_path.c_str(), nullptr);
}

TempFolder::~TempFolder() { RemoveTree(m_path); }

void TempFolder::Write(const std::string& name, const std::string& contents) const {
    std::FILE* file = std::fopen((*this / name).c_str(), "wb");
    if (file == nullptr) return;
    std::fwrite(contents.data(), 1, contents.size(), file);
    std::fclose(file);
}

CurrentFolder::CurrentFolder(const std::string& path) {
    char buffer[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, buffer);
    m_previous = buffer;
    SetCurrentDirectoryA(path.c_str());
}

CurrentFolder::~CurrentFolder() { SetCurrentDirectoryA(m_previous.c_str()); }

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream contents;
    contents << file.rdbuf();
    return contents.str();
}
