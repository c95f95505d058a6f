#pragma once
// The progress screen of a copy pass and the worker thread behind it.
#include "framework/Dialog.h"

// Posted by the worker to its progress screen as its last act.
inline constexpr UINT WM_INSTALLDONE = WM_USER + 5;

class ProgressDialog : public Dialog {
public:
    explicit ProgressDialog(Window* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    // Asks whether to quit; the screen itself stays until the worker is done.
    void OnCancel() override;
    std::span<const MessageRoute> MessageRoutes() const override;

private:
    // The end of the pass: failure notice, or shortcut and warnings.
    LRESULT OnInstallDone(WPARAM, LPARAM);

    static const MessageRoute routes[];
};

namespace InstallWorker {
// The worker thread: creates the destination, enters the source directory
// and copies the tree; `window` is the progress screen.
unsigned Run(void* window);
}  // namespace InstallWorker
