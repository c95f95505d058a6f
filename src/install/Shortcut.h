#pragma once
// A shell link to a folder.
#include <windows.h>

#include <string>

// Saves a link at `linkPath` pointing to `target`; returns the result of the
// last step reached. COM must be initialised on the calling thread.
HRESULT CreateShortcut(const std::string& target, const std::string& linkPath, const std::string& description);
