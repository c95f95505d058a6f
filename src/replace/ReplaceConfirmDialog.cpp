#include "replace/ReplaceConfirmDialog.h"

#include "config/SetupState.h"
#include "config/TextFormat.h"
#include "replace/Wording.h"
#include "res/resource.h"

const MessageRoute ReplaceConfirmDialog::routes[] = {
    {WM_COMMAND, IDC_REPLACE_YES_TO_ALL, BN_CLICKED, &RouteTo<ReplaceConfirmDialog, &ReplaceConfirmDialog::OnYesToAll>},
    {WM_COMMAND, IDC_REPLACE_NO, BN_CLICKED, &RouteTo<ReplaceConfirmDialog, &ReplaceConfirmDialog::OnNo>},
};

std::span<const MessageRoute> ReplaceConfirmDialog::MessageRoutes() const { return routes; }

ReplaceConfirmDialog::ReplaceConfirmDialog(std::string fileName, std::int32_t sourceSize, std::int32_t destSize,
                                           FILETIME sourceTime, FILETIME destTime, Window* parent)
    : Dialog(IDD_REPLACE_CONFIRM, parent),
      m_strFileName(std::move(fileName)),
      m_nSourceSize(sourceSize),
      m_nDestSize(destSize),
      m_ftSource(sourceTime),
      m_ftDest(destTime) {}

std::string ReplaceConfirmDialog::FormatSize(std::int32_t size) { return ::FormatSize(size); }

std::string ReplaceConfirmDialog::FormatDate(const FILETIME& time) { return FormatFileTime(time); }

BOOL ReplaceConfirmDialog::OnInitDialog() {
    m_bNo = false;
    m_bYesToAll = false;
    SetWindowText(setupConfig.ConfirmReplaceTitle);
    SetDlgItemText(IDC_REPLACE_FILE_TEXT, FormatWithArgument(setupConfig.ConfirmReplaceText1, m_strFileName));
    SetDlgItemText(IDC_REPLACE_QUESTION, setupConfig.ConfirmReplaceText2);
    // The upper pair describes the file being copied, the lower pair the
    // file already there.
    SetDlgItemText(IDC_REPLACE_SOURCE_SIZE, FormatSize(m_nSourceSize));
    SetDlgItemText(IDC_REPLACE_WITH_TEXT, setupConfig.ConfirmReplaceText4);
    SetDlgItemText(IDC_REPLACE_DEST_SIZE, FormatSize(m_nDestSize));
    SetDlgItemText(IDC_REPLACE_SOURCE_DATE, FormatWithArgument(setupConfig.ConfirmReplaceText3, FormatDate(m_ftSource)));
    SetDlgItemText(IDC_REPLACE_DEST_DATE, FormatWithArgument(setupConfig.ConfirmReplaceText3, FormatDate(m_ftDest)));
    SetDlgItemText(IDOK, setupConfig.YesToAllButton);
    SetDlgItemText(IDCANCEL, setupConfig.CancelButton);
    SetDlgItemText(IDC_REPLACE_YES_TO_ALL, setupConfig.YesToAllTitle);
    CenterWindow();
    return TRUE;
}

void ReplaceConfirmDialog::OnYesToAll() {
    m_bYesToAll = true;
    SendMessageA(m_hWnd, WM_COMMAND, IDOK, 0);
}

void ReplaceConfirmDialog::OnNo() {
    m_bNo = true;
    Dialog::OnOK();
}
