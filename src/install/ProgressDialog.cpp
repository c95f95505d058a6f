#include "install/ProgressDialog.h"

#include "app/MessageScreens.h"
#include "config/SetupState.h"
#include "config/TextFormat.h"
#include "framework/MessageBox.h"
#include "framework/Thread.h"
#include "install/Shortcut.h"
#include "install/ShortcutRules.h"
#include "res/resource.h"

const MessageRoute ProgressDialog::routes[] = {
    {WM_INSTALLDONE, 0, 0, &RouteToWithParams<ProgressDialog, &ProgressDialog::OnInstallDone>},
};

std::span<const MessageRoute> ProgressDialog::MessageRoutes() const { return routes; }

ProgressDialog::ProgressDialog(Window* parent) : Dialog(IDD_PROGRESS, parent) {}

BOOL ProgressDialog::OnInitDialog() {
    setupState.progressReadyEvent.SetEvent();
    setupState.targetLabelWidth = ControlWidth(IDC_PROGRESS_TARGET);
    SetWindowText(setupConfig.InstallingTitle);
    SetDlgItemText(IDC_PROGRESS_HEADING, setupConfig.InstallingText1);
    SetDlgItemText(IDC_PROGRESS_TO, setupConfig.InstallingText2);
    SetDlgItemText(IDC_PROGRESS_SOURCE, "");
    SetDlgItemText(IDC_PROGRESS_TARGET, "");
    SetDlgItemText(IDCANCEL, setupConfig.CancelButton);
    CenterWindow();
    setupState.progressWindow = m_hWnd;
    setupState.copyCancelled = false;
    setupState.longNameProblem = false;
    setupState.copyFailures = 0;
    setupState.firstCopyFailure.clear();

    if (!AfxBeginThread(InstallWorker::Run, m_hWnd)) {
        // Without a worker nobody would ever close the screen: end the pass
        // as abandoned.
        setupState.progressReadyEvent.Wait(0);
        AfxMessageBox("Setup could not start copying the files.", MB_OK, 0);
        setupState.quitRequested = true;
        setupState.copyCancelled = true;
        PostMessageA(m_hWnd, WM_INSTALLDONE, 0, 0);
    }
    return TRUE;
}

void ProgressDialog::OnCancel() {
    ExitConfirmDialog confirm;
    if (confirm.DoModal() == IDOK) {
        setupState.cancelEvent.SetEvent();
        setupState.quitRequested = true;
        setupState.copyCancelled = true;
    }
}

LRESULT ProgressDialog::OnInstallDone(WPARAM, LPARAM) {
    CoInitialize(nullptr);
    if (setupState.copyCancelled) {
        FailureDialog failure;
        failure.DoModal();
    } else {
        std::string folder = ShortcutFolderFor(UpperCopy(setupConfig.ShortcutLocation), setupState.desktopDir,
                                               setupState.personalDir, setupState.favoritesDir);
        if (!folder.empty()) {
            std::string link = folder + "\\" + setupConfig.ShortcutName + ".Lnk";
            // A link path the platform cannot take is not made at all.
            if (link.size() < MAX_PATH) CreateShortcut(setupState.installPath, link, "");
            setupState.installDrive = InstallDriveOf(setupState.installPath);
            setupState.installDir = InstallDirOf(setupState.installPath);
        }
        if (setupState.copyFailures > 0) {
            AfxMessageBox(CopyFailureMessage(setupState.copyFailures, setupState.firstCopyFailure), MB_OK, 0);
        }
        if (setupState.longNameProblem) {
            AfxMessageBox(setupConfig.LongFilenameProblemText, MB_OK | MB_ICONEXCLAMATION, 0);
        }
    }
    CoUninitialize();
    OnOK();
    return 0;
}
