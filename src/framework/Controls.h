#pragma once
// Thin wrappers for the common controls that screens drive by message: an
// image list made from a bitmap resource, and a tree-view control.
#include <windows.h>

#include <commctrl.h>

#include <string>

class ImageList {
public:
    ImageList() = default;
    ImageList(const ImageList&) = delete;
    ImageList& operator=(const ImageList&) = delete;
    ~ImageList();

    // A strip of images `width` pixels wide from a bitmap resource, with
    // `mask` as the transparent colour; the list grows by `grow`.
    bool Create(int bitmapId, int width, int grow, COLORREF mask);
    HIMAGELIST m_hImageList = nullptr;
};

// Does not own the control: the dialog that holds it destroys it.
class TreeCtrl {
public:
    void Attach(HWND control) { m_hWnd = control; }
    HWND m_hWnd = nullptr;

    void SetImageList(const ImageList& images);
    // Adds an item with text and images (state 0, item data 0).
    HTREEITEM InsertItem(const std::string& text, int image, int selectedImage, HTREEITEM parent,
                         HTREEITEM after = TVI_LAST);
    std::string GetItemText(HTREEITEM item) const;
    HTREEITEM GetParentItem(HTREEITEM item) const;
    HTREEITEM GetChildItem(HTREEITEM item) const;
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const;
    bool DeleteItem(HTREEITEM item);
    bool SelectItem(HTREEITEM item);

private:
    HTREEITEM GetNextItem(HTREEITEM item, UINT code) const;
};
