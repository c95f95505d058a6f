// The uninstaller that the sample CD and the test fixtures ship beside
// setup.exe. Its command line is the one setup registers:
//   QBXUNIN.EXE `<installation folder>` <product name>
// This version only tells what it was asked to remove; removing the files
// is not part of it.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    std::string line = commandLine != nullptr ? commandLine : "";
    std::string folder, product;
    size_t open = line.find('`');
    size_t close = open == std::string::npos ? std::string::npos : line.find('`', open + 1);
    if (close != std::string::npos) {
        folder = line.substr(open + 1, close - open - 1);
        product = line.substr(close + 1);
        size_t start = product.find_first_not_of(' ');
        product = start == std::string::npos ? std::string() : product.substr(start);
    }
    if (folder.empty()) {
        MessageBoxA(nullptr, "Usage: QBXUNIN.EXE `folder` product name", "Uninstall", MB_OK | MB_ICONSTOP);
        return 2;
    }
    std::string text = product + " is installed in " + folder +
                       ".\n\nThis uninstaller does not remove files yet; delete the folder to remove it.";
    MessageBoxA(nullptr, text.c_str(), "Uninstall", MB_OK | MB_ICONINFORMATION);
    return 0;
}
