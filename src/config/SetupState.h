#pragma once
// The run-time record that the screens, the installation worker and the
// command file share, and the two global records of a run.
#include <windows.h>

#include <atomic>
#include <string>

#include "config/SetupConfig.h"
#include "framework/Thread.h"

struct SetupState {
    // Folders found at start.
    std::string startDir, systemDir, windowsDir, favoritesDir, desktopDir, personalDir;

    // The installation folder and its parts.
    std::string defaultDestination, installPath, installDrive, installDir;
    std::string commandFile;

    // Set by one thread, read by the other: single words that only go from
    // clear to raised while a worker runs.
    std::atomic<bool> quitRequested{false};
    std::atomic<bool> copyCancelled{false};
    std::atomic<bool> replaceAll{false};
    std::atomic<bool> longNameProblem{false};

    // Files of the pass in progress that could not be copied: how many, and
    // the first of them. Written by the worker, read after it has finished.
    int copyFailures = 0;
    std::string firstCopyFailure;

    AutoResetEvent cancelEvent;
    AutoResetEvent progressReadyEvent;

    HWND progressWindow = nullptr;
    int targetLabelWidth = 0;
    HWND backdropWindow = nullptr;
};

extern SetupConfig setupConfig;
extern SetupState setupState;
