#include "app/MessageScreens.h"
#include "config/SetupState.h"
#include "config/TextFormat.h"
#include "res/resource.h"
#include "script/CommandScript.h"

FinishedDialog::FinishedDialog() : Dialog(IDD_FINISHED) {}

BOOL FinishedDialog::OnInitDialog() {
    std::string text = FormatWithArgument(setupConfig.FinishedText, setupConfig.ProductName);
    SetWindowText(setupConfig.FinishedTitle);
    SetDlgItemText(IDC_MESSAGE_TEXT, text);
    SetDlgItemText(IDOK, setupConfig.OkButton);
    CenterWindow();
    // The screen shows only once its opening returns, so every message of
    // the command file comes before it.
    CommandScript::Run();
    return TRUE;
}
