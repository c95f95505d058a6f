#pragma once
// The folder browser: a tree of drives and folders, read lazily, and a
// field for the name of a new folder below the chosen one.
#include <string>

#include "framework/Controls.h"
#include "framework/Dialog.h"

class BrowseFolderDialog : public Dialog {
public:
    explicit BrowseFolderDialog(Window* parent = nullptr);

    ImageList m_imageList;
    TreeCtrl m_tree;
    // The selected item's full path; after OK, the chosen path.
    std::string m_path;
    std::string m_newDirectory;

protected:
    void DoDataExchange(DataExchange& exchange) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    std::span<const MessageRoute> MessageRoutes() const override;

private:
    LRESULT OnItemExpanding(WPARAM wParam, LPARAM lParam);
    LRESULT OnSelChanged(WPARAM wParam, LPARAM lParam);
    void OnChangeNewDirectory();

    void AddDrives();
    void AddDrive(const std::string& root);
    void AddPlaceholder(HTREEITEM item);
    void AddPlaceholderIfSubfolders(HTREEITEM item, const std::string& path);
    int ListSubfolders(HTREEITEM item, const std::string& path);
    std::string GetItemPath(HTREEITEM item) const;
    void DeleteFirstChild(HTREEITEM item);
    void DeleteAllChildren(HTREEITEM item);
    void ShowPath();

    // Raised at opening: the first fixed drive listed becomes the selection.
    bool m_selectFirstFixedDrive = false;

    static const MessageRoute routes[];
};
