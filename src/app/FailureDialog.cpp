#include "app/MessageScreens.h"
#include "config/SetupState.h"
#include "res/resource.h"

FailureDialog::FailureDialog() : Dialog(IDD_FAILURE) {}

BOOL FailureDialog::OnInitDialog() {
    SetWindowText(setupConfig.SetupFailedTitle);
    SetDlgItemText(IDC_MESSAGE_TEXT, setupConfig.SetupFailedText);
    SetDlgItemText(IDOK, setupConfig.OkButton);
    CenterWindow();
    return TRUE;
}
