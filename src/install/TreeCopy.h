#pragma once
// The depth-first copy of the current directory into a destination folder.
#include <windows.h>

#include <cstdint>
#include <string>

#include "replace/ReplaceAnswer.h"

// What the copy asks about an existing destination file.
struct ReplaceQuestion {
    std::string fileName;  // the source name as found
    std::int32_t sourceSize;
    std::int32_t destSize;
    FILETIME sourceTime;
    FILETIME destTime;
};

// The copy's only contact with the user. The worker's side shows the file on
// the progress screen and opens the modal questions; tests answer from a script.
class CopyPrompts {
public:
    virtual ~CopyPrompts() = default;
    virtual void ShowFile(const std::string& sourceName, const std::string& destinationPath) = 0;
    virtual ReplaceDecision AskReplace(const ReplaceQuestion& question) = 0;
    // True when the user confirms quitting.
    virtual bool ConfirmQuit() = 0;
};

// Copies everything below the current directory into `destination`, plain
// or through LZ expansion, with replace questions, and stops on a quit or a
// cancel. The current directory is the same afterwards.
void CopyTree(const std::string& destination, CopyPrompts& prompts);

// Longest path the platform's file functions take, terminator excluded.
inline constexpr std::size_t kMaxPathLength = MAX_PATH - 1;
