#pragma once
// The IDE's tree control: a window of class "KTreeCtl" that holds a white
// STATIC host and, inside it, a system tree view, and keeps beside the tree
// view's items a store of keyed records (TreeStore) with a caption, an
// image and a free tag. Callers name items by store position or by key;
// the events name the item by its record's text, key and index.
//
// The host STATIC is subclassed for WM_NOTIFY, where the tree view's clicks
// and selection changes become events. Events are raised from inside the
// notification; handlers may call back into the control, even delete
// items.
//
// The current record is the one last hit by a click or double click
// (ItemKey, ItemIndex, ItemTag, ItemText); it is -1 after its deletion or
// DeleteAllItems, and follows a record that a deletion moves. A position
// outside the records in use names nothing: methods do nothing and getters
// answer empty.

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "ISubclass.h"
#include "PropertyBag.h"
#include "Subclasser.h"
#include "TreeStore.h"
#include "Window.h"

namespace kforge {

class Tree : public Window, private ISubclass {
public:
    static constexpr int kTreeId = 1000;
    static constexpr DWORD kDefaultLines = 0x50000007;  // child, visible, buttons, lines, lines at root

    // Relations of AddItem to its relative item.
    static constexpr int kFirstChild = 1;
    static constexpr int kLastChild = 2;
    static constexpr int kNextSibling = 3;

    Tree(HWND parent, int id, const RECT& rc);
    ~Tree() override;

    HWND HostWindow() const { return host_; }
    HWND TreeWindow() const { return tree_; }

    // Image lists. AddMasked gives the list, or null when adding fails;
    // AddIcon the new image's index or -1. CreateList's flags -1 stand for
    // ILC_COLOR24|ILC_MASK. The control destroys the lists it creates.
    HIMAGELIST AddMasked(HIMAGELIST list, HBITMAP image, COLORREF mask);
    int AddIcon(HIMAGELIST list, HICON icon);
    HIMAGELIST CreateList(int colorFlags, int initialImages, int growBy = 0);
    // A strip of width / height square images from a bitmap resource of the
    // program (fromResource -1) or a bitmap file, mask the transparent
    // colour; null when the strip cannot be loaded.
    HIMAGELIST LoadList(const std::string& image, COLORREF mask, int fromResource, int width, int height);

    // Inserts an item under (or, for kNextSibling, after) the relative item,
    // named by its tree-view handle (null: the root level) or by key (the
    // root level when no record has it), and records it. Relation 0 means
    // kLastChild. Images: see InsertionImages.
    void AddItem(HTREEITEM relative, int relation, const std::string& key, const std::string& text,
                 int image = -1, int selectedImage = -1);
    void AddItem(const std::string& relativeKey, int relation, const std::string& key,
                 const std::string& text, int image = -1, int selectedImage = -1);
    // Removes the item with its children (their records stay), selects its
    // parent and moves the last record into the freed position.
    void DeleteItem(const TreeItemRef& ref);
    // A non-empty text becomes the record's and the item's caption.
    void RenameItem(const TreeItemRef& ref, const std::string& text);
    void DeleteAllItems();
    void SelectItem(const TreeItemRef& ref);
    void SetItemTag(const TreeItemRef& ref, const std::string& value);
    std::string GetItemTag(const TreeItemRef& ref) const;
    // Writes the record's fields only; the tree-view item is not touched.
    void SetItemNode(const TreeItemRef& ref, const TreeNode& node);
    TreeNode GetItemNode(const TreeItemRef& ref) const;
    // TVM_EXPAND with TVE_COLLAPSE, TVE_EXPAND or TVE_TOGGLE; a position only.
    void Expand(int position, UINT flags);

    // SingleSel: the tree window's style becomes Lines with or without
    // TVS_SINGLEEXPAND; Lines itself keeps its value.
    bool SingleSel() const { return singleSel_; }
    void SetSingleSel(bool value);
    // The tree window's whole style as last set.
    DWORD Lines() const { return lines_; }
    void SetLines(DWORD value);
    // 0 none, 1 a single line around the control.
    int Border() const { return border_; }
    void SetBorder(int value);
    HIMAGELIST HImageList() const { return imageList_; }
    void SetHImageList(HIMAGELIST list);
    // The tree view may raise a small indent to its minimum.
    int Indent() const;
    void SetIndent(int value);

    int ItemCount() const { return store_.Count(); }
    // The current record's fields: "", -1 and "" without one.
    std::string ItemKey() const;
    int ItemIndex() const;
    std::string ItemTag() const;
    void SetItemTag(const std::string& value);
    std::string ItemText() const;
    void SetItemText(const std::string& text);
    // The index of the first record holding the tree view's selected item,
    // or -1; setting it is SelectItem.
    int Selection() const;
    void SetSelection(const TreeItemRef& ref) { SelectItem(ref); }

    // The saved properties "Border" (default 0) and "Indent" (default 5).
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

    // button 1 left, 2 right; then text, key and index of the record.
    std::function<void(int button, const std::string& text, const std::string& key, int index)> onItemClick;
    std::function<void(const std::string& text, const std::string& key, int index)> onItemDblClick;
    std::function<void(const std::string& text, const std::string& key, int index)> onAfterSelChanged;
    std::function<void(const std::string& text, const std::string& key, int index)> onBeforeSelChanged;
    // The cursor in the tree window's client pixels.
    std::function<void(int x, int y)> onClick;
    std::function<void(int x, int y)> onDblClick;

private:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void SubclassBefore(bool& handled, LRESULT& ret, HWND hwnd, UINT msg, WPARAM wParam,
                        LPARAM lParam) override;
    void SubclassAfter(LRESULT& ret, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    bool CreateChildren();
    void Resize();
    void ApplyTreeStyle(DWORD style);
    void InsertItem(HTREEITEM relative, int relation, const std::string& key, const std::string& text,
                    int image, int selectedImage);
    void SetTreeItemText(HTREEITEM item, const std::string& text);
    void ExpandOnce(TreeItemHandle item);
    HTREEITEM ParentOf(HTREEITEM item) const;
    LRESULT SendTree(UINT msg, WPARAM wParam, LPARAM lParam) const;
    LRESULT OnNotify(const NMHDR& header);
    LRESULT OnItemHit(bool doubleClick, int button);
    void OnSelectionChange(bool before);

    HWND host_ = nullptr;
    HWND tree_ = nullptr;
    TreeStore store_;
    HIMAGELIST imageList_ = nullptr;
    std::vector<HIMAGELIST> createdLists_;
    int border_ = 0;
    bool singleSel_ = false;
    DWORD lines_ = kDefaultLines;
    bool itemsDeleted_ = false;  // by a handler of the click being reported
    Subclasser subclasser_;
};

}  // namespace kforge
