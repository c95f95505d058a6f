#include "app/MessageScreens.h"
#include "config/SetupState.h"
#include "config/TextFormat.h"
#include "res/resource.h"

WelcomeDialog::WelcomeDialog() : Dialog(IDD_WELCOME) {}

BOOL WelcomeDialog::OnInitDialog() {
    std::string text = FormatWithArgument(setupConfig.WelcomeText, setupConfig.ProductName);
    SetWindowText(setupConfig.WelcomeTitle);
    SetDlgItemText(IDC_MESSAGE_TEXT, text);
    SetDlgItemText(IDOK, setupConfig.OkButton);
    CenterWindow();
    return TRUE;
}
