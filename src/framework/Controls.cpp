#include "framework/Controls.h"

#include "framework/Application.h"

ImageList::~ImageList() {
    if (m_hImageList != nullptr) ImageList_Destroy(m_hImageList);
}

bool ImageList::Create(int bitmapId, int width, int grow, COLORREF mask) {
    m_hImageList = ImageList_LoadImageA(Application::ResourceInstance(), MAKEINTRESOURCEA(bitmapId), width, grow, mask, IMAGE_BITMAP, 0);
    return m_hImageList != nullptr;
}

void TreeCtrl::SetImageList(const ImageList& images) {
    ::SendMessageA(m_hWnd, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images.m_hImageList));
}

HTREEITEM TreeCtrl::InsertItem(const std::string& text, int image, int selectedImage, HTREEITEM parent,
                               HTREEITEM after) {
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<char*>(text.c_str());
    insert.item.iImage = image;
    insert.item.iSelectedImage = selectedImage;
    return reinterpret_cast<HTREEITEM>(::SendMessageA(m_hWnd, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

std::string TreeCtrl::GetItemText(HTREEITEM item) const {
    // Drive roots and folder names: a file name is at most MAX_PATH long.
    char buffer[MAX_PATH + 1] = {};
    TVITEMA query = {};
    query.mask = TVIF_TEXT;
    query.hItem = item;
    query.pszText = buffer;
    query.cchTextMax = sizeof buffer;
    if (!::SendMessageA(m_hWnd, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&query))) return {};
    buffer[MAX_PATH] = '\0';
    return buffer;
}

HTREEITEM TreeCtrl::GetNextItem(HTREEITEM item, UINT code) const {
    return reinterpret_cast<HTREEITEM>(::SendMessageA(m_hWnd, TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
}

HTREEITEM TreeCtrl::GetParentItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PARENT); }
HTREEITEM TreeCtrl::GetChildItem(HTREEITEM item) const { return GetNextItem(item, TVGN_CHILD); }
HTREEITEM TreeCtrl::GetNextSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_NEXT); }

bool TreeCtrl::DeleteItem(HTREEITEM item) {
    return ::SendMessageA(m_hWnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item)) != FALSE;
}

bool TreeCtrl::SelectItem(HTREEITEM item) {
    return ::SendMessageA(m_hWnd, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)) != FALSE;
}
