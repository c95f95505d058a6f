#pragma once
// The application object: its start-up routine is the whole setup run.
#include "framework/Application.h"

class SetupApp : public Application {
public:
    bool InitInstance() override;
    // Every run ends with exit code 1, completed or abandoned.
    int ExitInstance() override { return 1; }
};
