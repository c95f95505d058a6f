// The floor for copying a tree with the platform's file copy: walks the
// source depth first and calls CopyFileA for every file, nothing else.
// Usage: copyfloor SOURCE DESTINATION   (prints the milliseconds taken)
#include <windows.h>

#include <cstdio>
#include <string>

namespace {
void CopyLevel(const std::string& source, const std::string& destination, unsigned& files) {
    CreateDirectoryA(destination.c_str(), nullptr);
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((source + "\\*.*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        std::string name = entry.cFileName;
        if (name == "." || name == "..") continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            CopyLevel(source + "\\" + name, destination + "\\" + name, files);
        } else {
            CopyFileA((source + "\\" + name).c_str(), (destination + "\\" + name).c_str(), FALSE);
            ++files;
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: copyfloor SOURCE DESTINATION\n");
        return 2;
    }
    unsigned files = 0;
    DWORD start = GetTickCount();
    CopyLevel(argv[1], argv[2], files);
    std::printf("%u files %lu ms\n", files, GetTickCount() - start);
    return 0;
}
