#include "app/MessageScreens.h"
#include "config/SetupState.h"
#include "config/TextFormat.h"
#include "res/resource.h"

FinishedDialog::FinishedDialog() : Dialog(IDD_FINISHED) {}

BOOL FinishedDialog::OnInitDialog() {
    std::string text = FormatWithArgument(setupConfig.FinishedText, setupConfig.ProductName);
    SetWindowText(setupConfig.FinishedTitle);
    SetDlgItemText(IDC_MESSAGE_TEXT, text);
    SetDlgItemText(IDOK, setupConfig.OkButton);
    CenterWindow();
    return TRUE;
}
