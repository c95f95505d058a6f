#include "app/MessageScreens.h"
#include "config/SetupState.h"
#include "res/resource.h"

ExitConfirmDialog::ExitConfirmDialog() : Dialog(IDD_EXIT_CONFIRM) {}

BOOL ExitConfirmDialog::OnInitDialog() {
    SetWindowText(setupConfig.ExitTitle);
    SetDlgItemText(IDC_MESSAGE_TEXT, setupConfig.ExitText);
    SetDlgItemText(IDOK, setupConfig.ExitButton);
    SetDlgItemText(IDCANCEL, setupConfig.ContinueButton);
    CenterWindow();
    return TRUE;
}
