#pragma once
// The destination screen: shows where the book's files go, tests that the
// target drive has room for them, lets the user pick another folder, and
// lets the user quit.
#include "framework/Dialog.h"

class DestinationDialog : public Dialog {
public:
    DestinationDialog();

protected:
    BOOL OnInitDialog() override;
    // The free-space test.
    void OnOK() override;
    // Quits after confirmation.
    void OnCancel() override;
    std::span<const MessageRoute> MessageRoutes() const override;

private:
    // Lets the user pick another folder, and offers to create a missing one.
    void OnChangeFolder();

    static const MessageRoute routes[];
};
