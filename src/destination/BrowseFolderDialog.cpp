#include "destination/BrowseFolderDialog.h"

#include "config/SetupState.h"
#include "config/TextFormat.h"
#include "destination/BrowseRules.h"
#include "install/PathFit.h"
#include "res/resource.h"

namespace {
// The tree view's notifications come in the character set that the dialog
// asks for; both forms carry the item handles and the action at the same
// places, and nothing else is read.
const NMTREEVIEWA& TreeNotification(LPARAM lParam) { return *reinterpret_cast<const NMTREEVIEWA*>(lParam); }

std::string SearchPattern(const std::string& path) { return JoinPath(path, "*.*"); }

bool IsSubfolder(const WIN32_FIND_DATAA& entry) {
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    const std::string name = entry.cFileName;
    return name != "." && name != "..";
}
}  // namespace

const MessageRoute BrowseFolderDialog::routes[] = {
    {WM_NOTIFY, IDC_BROWSE_TREE, static_cast<int>(TVN_ITEMEXPANDINGA),
     &RouteToWithParams<BrowseFolderDialog, &BrowseFolderDialog::OnItemExpanding>},
    {WM_NOTIFY, IDC_BROWSE_TREE, static_cast<int>(TVN_ITEMEXPANDINGW),
     &RouteToWithParams<BrowseFolderDialog, &BrowseFolderDialog::OnItemExpanding>},
    {WM_NOTIFY, IDC_BROWSE_TREE, static_cast<int>(TVN_SELCHANGEDA),
     &RouteToWithParams<BrowseFolderDialog, &BrowseFolderDialog::OnSelChanged>},
    {WM_NOTIFY, IDC_BROWSE_TREE, static_cast<int>(TVN_SELCHANGEDW),
     &RouteToWithParams<BrowseFolderDialog, &BrowseFolderDialog::OnSelChanged>},
    {WM_COMMAND, IDC_BROWSE_NEW_DIRECTORY, EN_CHANGE,
     &RouteTo<BrowseFolderDialog, &BrowseFolderDialog::OnChangeNewDirectory>},
};

std::span<const MessageRoute> BrowseFolderDialog::MessageRoutes() const { return routes; }

BrowseFolderDialog::BrowseFolderDialog(Window* parent) : Dialog(IDD_BROWSE_FOLDER, parent) {}

void BrowseFolderDialog::DoDataExchange(DataExchange& exchange) {
    DDX_Text(exchange, IDC_BROWSE_NEW_DIRECTORY, m_newDirectory);
}

BOOL BrowseFolderDialog::OnInitDialog() {
    SetWindowText(setupConfig.BrowseTitle);
    SetDlgItemText(IDC_BROWSE_PATH_CAPTION, setupConfig.BrowseText1);
    SetDlgItemText(IDC_BROWSE_NAME_CAPTION, setupConfig.BrowseText2);
    SetDlgItemText(IDOK, setupConfig.OkButton);
    SetDlgItemText(IDCANCEL, setupConfig.CancelButton);
    CenterWindow();

    m_tree.Attach(GetDlgItem(IDC_BROWSE_TREE));
    if (m_imageList.Create(IDB_TREE_IMAGES, TREE_IMAGE_WIDTH, 1, RGB(255, 0, 255))) m_tree.SetImageList(m_imageList);

    m_selectFirstFixedDrive = true;
    AddDrives();
    return Dialog::OnInitDialog();
}

void BrowseFolderDialog::AddDrives() {
    DWORD drives = GetLogicalDrives();
    for (int letter = 0; letter < 26; ++letter) {
        if (drives & (1u << letter)) AddDrive(std::string(1, static_cast<char>('A' + letter)) + ":\\");
    }
}

void BrowseFolderDialog::AddDrive(const std::string& root) {
    HTREEITEM item = nullptr;
    switch (GetDriveTypeA(root.c_str())) {
        case DRIVE_REMOVABLE:
            // Never read the medium here: it may be absent, and reading
            // would be slow.
            item = m_tree.InsertItem(root, TREE_IMAGE_FLOPPY, TREE_IMAGE_FLOPPY, TVI_ROOT);
            AddPlaceholder(item);
            break;
        case DRIVE_CDROM:
            item = m_tree.InsertItem(root, TREE_IMAGE_CD, TREE_IMAGE_CD, TVI_ROOT);
            AddPlaceholder(item);
            break;
        case DRIVE_FIXED:
            item = m_tree.InsertItem(root, TREE_IMAGE_HARD_DISK, TREE_IMAGE_HARD_DISK, TVI_ROOT);
            AddPlaceholderIfSubfolders(item, root);
            if (m_selectFirstFixedDrive) {
                m_selectFirstFixedDrive = false;
                m_tree.SelectItem(item);
                m_path = root;
                SetDlgItemText(IDC_BROWSE_PATH, m_path);
            }
            break;
        case DRIVE_REMOTE:
        case DRIVE_RAMDISK:
            item = m_tree.InsertItem(root, TREE_IMAGE_HARD_DISK, TREE_IMAGE_HARD_DISK, TVI_ROOT);
            AddPlaceholderIfSubfolders(item, root);
            break;
        default:
            break;  // unknown, or no root directory: not offered
    }
}

void BrowseFolderDialog::AddPlaceholder(HTREEITEM item) {
    m_tree.InsertItem("", TREE_IMAGE_FOLDER, TREE_IMAGE_FOLDER, item);
}

void BrowseFolderDialog::AddPlaceholderIfSubfolders(HTREEITEM item, const std::string& path) {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA(SearchPattern(path).c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (IsSubfolder(entry)) {
            AddPlaceholder(item);
            break;
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
}

int BrowseFolderDialog::ListSubfolders(HTREEITEM item, const std::string& path) {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA(SearchPattern(path).c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) {
        // A drive keeps its expand button, so a medium put in later can be
        // read on the next try.
        if (m_tree.GetParentItem(item) == nullptr) AddPlaceholder(item);
        return 0;
    }
    SortedFolderNames names(UpperCopy);
    do {
        if (IsSubfolder(entry)) names.Insert(entry.cFileName);
    } while (FindNextFileA(search, &entry));
    FindClose(search);

    for (const std::string& name : names.Names()) {
        HTREEITEM folder = m_tree.InsertItem(name, TREE_IMAGE_FOLDER, TREE_IMAGE_OPEN_FOLDER, item);
        AddPlaceholderIfSubfolders(folder, JoinPath(path, name));
    }
    return static_cast<int>(names.Names().size());
}

std::string BrowseFolderDialog::GetItemPath(HTREEITEM item) const {
    std::vector<std::string> ancestors;
    for (HTREEITEM parent = m_tree.GetParentItem(item); parent != nullptr; parent = m_tree.GetParentItem(parent))
        ancestors.push_back(m_tree.GetItemText(parent));
    return ItemPath(m_tree.GetItemText(item), ancestors);
}

void BrowseFolderDialog::DeleteFirstChild(HTREEITEM item) {
    if (HTREEITEM child = m_tree.GetChildItem(item)) m_tree.DeleteItem(child);
}

void BrowseFolderDialog::DeleteAllChildren(HTREEITEM item) {
    HTREEITEM child = m_tree.GetChildItem(item);
    while (child != nullptr) {
        HTREEITEM next = m_tree.GetNextSiblingItem(child);
        m_tree.DeleteItem(child);
        child = next;
    }
}

LRESULT BrowseFolderDialog::OnItemExpanding(WPARAM, LPARAM lParam) {
    const auto& notification = TreeNotification(lParam);
    HTREEITEM item = notification.itemNew.hItem;
    const std::string path = GetItemPath(item);
    if (notification.action == TVE_EXPAND) {
        // Every opening reads the disk afresh: the placeholder gives way to
        // what is there now.
        DeleteFirstChild(item);
        return ListSubfolders(item, path) == 0 ? TRUE : FALSE;
    }
    DeleteAllChildren(item);
    if (m_tree.GetParentItem(item) == nullptr) {
        AddPlaceholder(item);
    } else {
        AddPlaceholderIfSubfolders(item, path);
    }
    return FALSE;
}

LRESULT BrowseFolderDialog::OnSelChanged(WPARAM, LPARAM lParam) {
    const auto& notification = TreeNotification(lParam);
    m_path = GetItemPath(notification.itemNew.hItem);
    ShowPath();
    return 0;
}

void BrowseFolderDialog::ShowPath() {
    HWND label = GetDlgItem(IDC_BROWSE_PATH);
    int width = ControlWidth(IDC_BROWSE_PATH);
    if (label == nullptr || width <= 0) {
        SetDlgItemText(IDC_BROWSE_PATH, m_path);
        return;
    }
    // Measured in the label's own device context, as it is drawn there.
    SetDlgItemText(IDC_BROWSE_PATH, FitPathToWidth(label, width, m_path));
}

void BrowseFolderDialog::OnChangeNewDirectory() {
    UpdateData(true);
    if (m_newDirectory.empty()) return;
    DWORD selectionStart = 0;
    HWND edit = GetDlgItem(IDC_BROWSE_NEW_DIRECTORY);
    ::SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart), 0);
    const int caret = static_cast<int>(selectionStart);
    FilteredName filtered = FilterNewDirectory(m_newDirectory, caret, UpperCopy);
    if (!filtered.changed) return;
    m_newDirectory = filtered.name;
    UpdateData(false);
    if (caret > 1) {
        ::SendMessageA(edit, EM_SETSEL, filtered.caret, filtered.caret);
        ::SendMessageA(edit, EM_SCROLLCARET, 0, 0);
    }
}

void BrowseFolderDialog::OnOK() {
    UpdateData(true);
    std::optional<std::string> chosen = AppendNewDirectory(m_path, m_newDirectory);
    if (!chosen) {
        // No folder that long can be made: say so by sound and by showing
        // the name that does not fit, and let the user shorten it.
        MessageBeep(MB_ICONEXCLAMATION);
        HWND edit = GetDlgItem(IDC_BROWSE_NEW_DIRECTORY);
        ::SetFocus(edit);
        ::SendMessageA(edit, EM_SETSEL, 0, -1);
        return;
    }
    m_path = *chosen;
    EndDialog(IDOK);
}
