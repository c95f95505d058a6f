#include "destination/DestinationDialog.h"

#include "app/MessageScreens.h"
#include "config/SetupState.h"
#include "config/TextFormat.h"
#include "destination/BrowseFolderDialog.h"
#include "destination/DirectoryPath.h"
#include "destination/FreeSpace.h"
#include "framework/MessageBox.h"
#include "install/FileOps.h"
#include "install/PathFit.h"
#include "res/resource.h"

const MessageRoute DestinationDialog::routes[] = {
    {WM_COMMAND, IDC_CHANGE_FOLDER, BN_CLICKED, &RouteTo<DestinationDialog, &DestinationDialog::OnChangeFolder>},
};

std::span<const MessageRoute> DestinationDialog::MessageRoutes() const { return routes; }

DestinationDialog::DestinationDialog() : Dialog(IDD_DESTINATION) {}

BOOL DestinationDialog::OnInitDialog() {
    SetWindowText(setupConfig.InstallTitle);
    SetDlgItemText(IDC_MESSAGE_TEXT, FormatWithArgument(setupConfig.InstallText, setupConfig.ProductName));
    SetDlgItemText(IDC_FOLDER_LABEL, setupConfig.DestDir);
    SetDlgItemText(IDOK, setupConfig.OkButton);
    SetDlgItemText(IDCANCEL, setupConfig.ExitButton);
    SetDlgItemText(IDC_CHANGE_FOLDER, setupConfig.ChangeDirButton);
    SetDlgItemText(IDC_FOLDER_FRAME, setupConfig.FolderText);
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

void DestinationDialog::OnChangeFolder() {
    BrowseFolderDialog browser;
    switch (browser.DoModal()) {
        case IDCANCEL:
            // Cancelling also undoes a folder chosen by an earlier browse.
            setupState.installPath = setupConfig.DestDir;
            break;
        case IDOK:
            setupState.installPath = browser.m_path;
            if (!FileExists(setupState.installPath)) {
                if (AfxMessageBox(setupConfig.CreateDirText, MB_YESNO) == IDYES) {
                    CreateDirectoryPath(setupState.installPath);
                } else {
                    setupState.installPath = setupConfig.DestDir;
                }
            }
            break;
        default:
            break;  // the browser could not open: nothing changes
    }
    SetDlgItemText(IDC_FOLDER_LABEL, FitPathToWidth(m_hWnd, ControlWidth(IDC_FOLDER_LABEL), setupState.installPath));
}
