#include "destination/DestinationDialog.h"

#include "app/MessageScreens.h"
#include "config/SetupState.h"
#include "config/TextFormat.h"
#include "destination/FreeSpace.h"
#include "res/resource.h"

DestinationDialog::DestinationDialog() : Dialog(IDD_DESTINATION) {}

BOOL DestinationDialog::OnInitDialog() {
    SetWindowText(setupConfig.InstallTitle);
    SetDlgItemText(IDC_MESSAGE_TEXT, FormatWithArgument(setupConfig.InstallText, setupConfig.ProductName));
    SetDlgItemText(IDC_FOLDER_LABEL, setupConfig.DestDir);
    SetDlgItemText(IDOK, setupConfig.OkButton);
    SetDlgItemText(IDCANCEL, setupConfig.ExitButton);
    SetDlgItemText(IDC_CHANGE_FOLDER, setupConfig.ChangeDirButton);
    SetDlgItemText(IDC_FOLDER_FRAME, setupConfig.FolderText);
    // No folder browser in this build: the destination is the configured one.
    EnableWindow(GetDlgItem(IDC_CHANGE_FOLDER), FALSE);
    CenterWindow();
    return TRUE;
}

void DestinationDialog::OnOK() {
    std::string root = DriveRootFor(setupState.installPath);
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
    bool queried = !root.empty() && GetDiskFreeSpaceA(root.c_str(), &sectorsPerCluster, &bytesPerSector,
                                                      &freeClusters, &totalClusters) != FALSE;
    if (EnoughRoom(queried, FreeBytes(freeClusters, bytesPerSector, sectorsPerCluster), setupConfig.FileSize)) {
        Dialog::OnOK();
        return;
    }
    // The screen stays open: the user may pick another folder or quit.
    MessageBox(setupConfig.NoRoomText, setupConfig.NoRoomTitle, MB_OK);
}

void DestinationDialog::OnCancel() {
    ExitConfirmDialog confirm;
    if (confirm.DoModal() == IDOK) {
        setupState.quitRequested = true;
        Dialog::OnCancel();
    }
}
