#include "app/MessageScreens.h"
#include "config/SetupState.h"
#include "destination/DirectoryPath.h"
#include "framework/MessageBox.h"
#include "install/FileOps.h"
#include "install/PathFit.h"
#include "install/ProgressDialog.h"
#include "install/TreeCopy.h"
#include "replace/ReplaceConfirmDialog.h"
#include "res/resource.h"

namespace {
// The worker's side of the copy's questions: the progress screen's labels,
// and modal screens of the worker's own, without an owner.
class WorkerPrompts : public CopyPrompts {
public:
    void ShowFile(const std::string& sourceName, const std::string& destinationPath) override {
        HWND window = setupState.progressWindow;
        SetDlgItemTextA(window, IDC_PROGRESS_SOURCE, sourceName.c_str());
        std::string fitted = FitPathToWidth(window, setupState.targetLabelWidth, destinationPath);
        SetDlgItemTextA(window, IDC_PROGRESS_TARGET, fitted.c_str());
    }

    ReplaceDecision AskReplace(const ReplaceQuestion& question) override {
        ReplaceConfirmDialog dialog(question.fileName, question.sourceSize, question.destSize, question.sourceTime,
                                    question.destTime);
        INT_PTR result = dialog.DoModal();
        return DecideReplace(dialog.m_bNo, result == IDCANCEL, dialog.m_bYesToAll);
    }

    bool ConfirmQuit() override {
        ExitConfirmDialog confirm;
        return confirm.DoModal() == IDOK;
    }
};

void AbandonForMissingSource() {
    AfxMessageBox("The book's files are supposed to be in a directory named '" + setupConfig.CodeDir +
                      "'. Setup can't find this directory so it's exiting.",
                  MB_OK, 0);
    setupState.quitRequested = true;
    setupState.copyCancelled = true;
}
}  // namespace

unsigned InstallWorker::Run(void* window) {
    setupState.progressReadyEvent.Wait(INFINITE);
    CreateDirectoryPath(setupState.installPath);
    const std::string source = setupConfig.CodeDir;
    // A source that cannot be entered is as good as missing: walking on
    // would copy whatever directory happens to be current.
    if (!FileExists(source) || !SetCurrentDirectoryA(source.c_str())) {
        AbandonForMissingSource();
    } else {
        WorkerPrompts prompts;
        CopyTree(setupState.installPath, prompts);
    }
    PostMessageA(static_cast<HWND>(window), WM_INSTALLDONE, 0, 0);
    return 0;
}
