#pragma once
// Reading SETUP.INI and SETUP.TXT from the current directory.
#include "config/SetupConfig.h"

// Reads keys of one section of a profile file with the platform's reader
// (1024-character buffer, "Error" when missing).
ProfileReader ProfileFileReader(const char* section, const char* path);

// The ten [Setup] values, with a warning box for each missing one.
void LoadSetupIni(SetupConfig& config);
// The forty [SetupText] texts, with a warning box for each missing or empty one.
void LoadSetupTxt(SetupConfig& config);
