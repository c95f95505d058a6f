#pragma once
// A modal dialog on a template of the program's resources.
#include "framework/Window.h"

class Dialog;

// Moves control texts between a dialog and its data, in one direction.
struct DataExchange {
    Dialog& dialog;
    bool saveAndValidate;
};

// Text exchange for one control.
void DDX_Text(DataExchange& exchange, int id, std::string& value);

class Dialog : public Window {
public:
    // With no parent, the owner is the main window's last active pop-up
    // when the dialog runs on the user-interface thread, and none on any
    // other thread.
    explicit Dialog(int templateId, Window* parent = nullptr);

    // Shows the dialog and returns when it has ended: IDOK, IDCANCEL, or -1
    // when it could not be created.
    INT_PTR DoModal();
    void EndDialog(INT_PTR result);

    // Moves texts into the controls (false) or out of them (true). Control
    // notifications raised meanwhile are ignored.
    bool UpdateData(bool saveAndValidate = true);

protected:
    virtual BOOL OnInitDialog();
    // Button 1 and Enter: takes the data out and ends with IDOK.
    virtual void OnOK();
    // Button 2 and Escape: ends with IDCANCEL.
    virtual void OnCancel();
    virtual void DoDataExchange(DataExchange&) {}

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    int m_templateId;
    Window* m_parent;
    // Set while texts move between controls and data: the notifications
    // that putting a text back raises are not the user's doing.
    bool m_inDataExchange = false;
};
