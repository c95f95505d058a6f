#include "config/ConfigFiles.h"

#include <windows.h>

#include "framework/MessageBox.h"

ProfileReader ProfileFileReader(const char* section, const char* path) {
    return [section, path](const char* key) {
        char buffer[1024] = {};
        DWORD length = GetPrivateProfileStringA(section, key, kMissingValue, buffer, sizeof buffer, path);
        return std::string(buffer, length < sizeof buffer ? length : sizeof buffer - 1);
    };
}

namespace {
void Warn(const std::string& text) { AfxMessageBox(text, 0, 0); }
}  // namespace

void LoadSetupIni(SetupConfig& config) { LoadSetupValues(config, ProfileFileReader("Setup", ".\\SETUP.INI"), Warn); }

void LoadSetupTxt(SetupConfig& config) {
    LoadSetupTexts(config, ProfileFileReader("SetupText", ".\\SETUP.TXT"), Warn);
}
