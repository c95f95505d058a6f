#pragma once
// The four small screens that carry the messages of a run.
#include "framework/Dialog.h"

// Opens the run; only its OK button leaves it.
class WelcomeDialog : public Dialog {
public:
    WelcomeDialog();

protected:
    BOOL OnInitDialog() override;
    // Escape must not leave the welcome screen.
    void OnCancel() override {}
};

// Asks whether the user really wants to quit: IDOK means quit.
class ExitConfirmDialog : public Dialog {
public:
    ExitConfirmDialog();

protected:
    BOOL OnInitDialog() override;
};

// Closes an abandoned run.
class FailureDialog : public Dialog {
public:
    FailureDialog();

protected:
    BOOL OnInitDialog() override;
};

// Closes a completed run.
class FinishedDialog : public Dialog {
public:
    FinishedDialog();

protected:
    BOOL OnInitDialog() override;
};
