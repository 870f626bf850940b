#include "Tree.h"

#include <cmath>

#include "Dialogs.h"
#include "Events.h"

namespace kforge {

namespace {

constexpr DWORD kHostStyle = WS_CHILD | WS_VISIBLE | SS_WHITERECT;
constexpr int kStartSize = 250;
constexpr int kBand = 3;  // the white host shows above and below the tree
constexpr int kStartIndent = 16;
constexpr int kItemHeight = 16;
constexpr int kDefaultColorFlags = ILC_COLOR24 | ILC_MASK;
// The selection notifications come as ANSI codes to an ANSI host; the wide
// ones are accepted as well.
constexpr UINT kSelChangingW = static_cast<UINT>(-450);
constexpr UINT kSelChangedW = static_cast<UINT>(-451);

HTREEITEM ToItem(TreeItemHandle handle) { return reinterpret_cast<HTREEITEM>(handle); }
TreeItemHandle ToHandle(HTREEITEM item) { return reinterpret_cast<TreeItemHandle>(item); }

}  // namespace

Tree::Tree(HWND parent, int id, const RECT& rc)
{
    WindowSpec spec;
    spec.className = "KTreeCtl";
    spec.background = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    spec.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    spec.rect = rc;
    spec.parent = parent;
    spec.menuOrId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    if (!Create(spec)) { return; }
    if (!CreateChildren()) { ShowMessage(Hwnd(), "TreeView CreateWindow Failed", "", MB_OK); }
    if (subclasser_.Subclass(host_, this)) { subclasser_.AddMsg(WM_NOTIFY, Subclasser::kBefore); }
    Resize();
}

Tree::~Tree()
{
    subclasser_.UnSubclass();
    if (tree_ && IsWindow(tree_)) { SendTree(TVM_SETIMAGELIST, TVSIL_NORMAL, 0); }
    for (HIMAGELIST list : createdLists_) { ImageList_Destroy(list); }
}

bool Tree::CreateChildren()
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    host_ = CreateWindowExA(0, "STATIC", "kTreeViewClass", kHostStyle, 0, 0, kStartSize, kStartSize, Hwnd(),
                            nullptr, instance, nullptr);
    tree_ = CreateWindowExA(0, WC_TREEVIEWA, "", kDefaultLines, 0, 0, kStartSize, kStartSize, host_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTreeId)), instance, nullptr);
    if (!tree_) { return false; }
    SendTree(TVM_SETBKCOLOR, 0, static_cast<LPARAM>(RGB(255, 255, 255)));
    SendTree(TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(RGB(0, 0, 0)));
    SendTree(TVM_SETINDENT, kStartIndent, 0);
    SendTree(TVM_SETITEMHEIGHT, kItemHeight, 0);
    return true;
}

LRESULT Tree::SendTree(UINT msg, WPARAM wParam, LPARAM lParam) const
{
    return tree_ ? SendMessageA(tree_, msg, wParam, lParam) : 0;
}

LRESULT Tree::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_SIZE) {
        Resize();
        return 0;
    }
    return Window::OnMessage(msg, wParam, lParam);
}

void Tree::Resize()
{
    if (!Hwnd()) { return; }
    RECT client{};
    GetClientRect(Hwnd(), &client);
    const int width = client.right, height = client.bottom;
    if (host_) { MoveWindow(host_, 0, 0, width, height, TRUE); }
    if (tree_) { MoveWindow(tree_, 0, kBand, width, height > 2 * kBand ? height - 2 * kBand : 0, TRUE); }
}

// Image lists

HIMAGELIST Tree::AddMasked(HIMAGELIST list, HBITMAP image, COLORREF mask)
{
    return ImageList_AddMasked(list, image, mask) == -1 ? nullptr : list;
}

int Tree::AddIcon(HIMAGELIST list, HICON icon) { return ImageList_ReplaceIcon(list, -1, icon); }

HIMAGELIST Tree::CreateList(int colorFlags, int initialImages, int growBy)
{
    InitCommonControls();
    const UINT flags = static_cast<UINT>(colorFlags == -1 ? kDefaultColorFlags : colorFlags);
    HIMAGELIST list = ImageList_Create(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), flags,
                                       initialImages, growBy);
    if (list) { createdLists_.push_back(list); }
    return list;
}

HIMAGELIST Tree::LoadList(const std::string& image, COLORREF mask, int fromResource, int width, int height)
{
    if (height <= 0) { return nullptr; }
    const int images = static_cast<int>(std::lround(static_cast<double>(width) / height));
    const UINT how = fromResource == -1 ? LR_CREATEDIBSECTION : LR_LOADFROMFILE;
    auto* bitmap = static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), image.c_str(), IMAGE_BITMAP, width, height, how));
    if (!bitmap) { return nullptr; }
    HIMAGELIST list = CreateList(kDefaultColorFlags, images, images);
    HIMAGELIST result = list ? AddMasked(list, bitmap, mask) : nullptr;
    DeleteObject(bitmap);  // the list holds its own copy
    return result;
}

// Items

void Tree::AddItem(HTREEITEM relative, int relation, const std::string& key, const std::string& text,
                   int image, int selectedImage)
{
    InsertItem(relative, relation, key, text, image, selectedImage);
}

void Tree::AddItem(const std::string& relativeKey, int relation, const std::string& key,
                   const std::string& text, int image, int selectedImage)
{
    InsertItem(ToItem(store_.HandleOfKey(relativeKey)), relation, key, text, image, selectedImage);
}

void Tree::InsertItem(HTREEITEM relative, int relation, const std::string& key, const std::string& text,
                      int image, int selectedImage)
{
    std::string caption = text;
    TVINSERTSTRUCTA insert{};
    insert.hParent = relative;
    insert.item.mask = TVIF_TEXT | TVIF_STATE;
    insert.item.pszText = caption.data();
    insert.item.cchTextMax = static_cast<int>(caption.size() + 1);
    const TreeItemImages images = InsertionImages(image, selectedImage);
    if (images.setImage) { insert.item.mask |= TVIF_IMAGE; }
    if (images.setSelectedImage) { insert.item.mask |= TVIF_SELECTEDIMAGE; }
    if (images.image >= 0) { insert.item.iImage = images.image; }
    if (images.selectedImage >= 0) { insert.item.iSelectedImage = images.selectedImage; }
    switch (relation == 0 ? kLastChild : relation) {
        case kFirstChild:
            insert.hInsertAfter = TVI_FIRST;
            break;
        case kLastChild:
            insert.hInsertAfter = TVI_LAST;
            break;
        case kNextSibling:
            insert.hParent = ParentOf(relative);
            insert.hInsertAfter = relative;
            break;
        default:
            insert.hInsertAfter = nullptr;
    }
    auto item = reinterpret_cast<HTREEITEM>(SendTree(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    if (item) { store_.Add(ToHandle(item), ToHandle(ParentOf(item)), key, text, image); }
    if (const TreeRecord* last = store_.At(store_.Count() - 1)) { ExpandOnce(last->parent); }
}

// Opens the item unless it is open: the tree view's expansion costs a few
// milliseconds even when it changes nothing, which adds up over long lists.
void Tree::ExpandOnce(TreeItemHandle item)
{
    const auto state = static_cast<UINT>(SendTree(TVM_GETITEMSTATE, item, TVIS_EXPANDED));
    if (!item || !(state & TVIS_EXPANDED)) { SendTree(TVM_EXPAND, TVE_EXPAND, static_cast<LPARAM>(item)); }
}

HTREEITEM Tree::ParentOf(HTREEITEM item) const
{
    return reinterpret_cast<HTREEITEM>(
        SendTree(TVM_GETNEXTITEM, TVGN_PARENT, reinterpret_cast<LPARAM>(item)));
}

// The record leaves the store before the tree view deletes the item, so the
// selection events that the deletion raises see the store without it.
void Tree::DeleteItem(const TreeItemRef& ref)
{
    const int position = store_.Resolve(ref);
    const TreeRecord* record = store_.At(position);
    if (!record) { return; }
    const TreeItemHandle item = record->item, parent = record->parent;
    store_.Remove(position);
    itemsDeleted_ = true;
    if (item) { SendTree(TVM_DELETEITEM, 0, static_cast<LPARAM>(item)); }
    SendTree(TVM_SELECTITEM, TVGN_CARET, static_cast<LPARAM>(parent));
}

void Tree::RenameItem(const TreeItemRef& ref, const std::string& text)
{
    TreeRecord* record = store_.At(store_.Resolve(ref));
    if (!record || text.empty()) { return; }
    record->node.text = text;
    SetTreeItemText(ToItem(record->item), text);
}

void Tree::SetTreeItemText(HTREEITEM item, const std::string& text)
{
    std::string caption = text;
    TVITEMA change{};
    change.mask = TVIF_TEXT;
    change.hItem = item;
    change.pszText = caption.data();
    change.cchTextMax = static_cast<int>(caption.size() + 1);
    SendTree(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&change));
}

void Tree::DeleteAllItems()
{
    store_.Clear();
    itemsDeleted_ = true;
    SendTree(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
}

void Tree::SelectItem(const TreeItemRef& ref)
{
    if (const TreeRecord* record = store_.At(store_.Resolve(ref))) {
        SendTree(TVM_SELECTITEM, TVGN_CARET, static_cast<LPARAM>(record->item));
    }
}

void Tree::SetItemTag(const TreeItemRef& ref, const std::string& value)
{
    if (TreeRecord* record = store_.At(store_.Resolve(ref))) { record->node.tag = value; }
}

std::string Tree::GetItemTag(const TreeItemRef& ref) const
{
    const TreeRecord* record = store_.At(store_.Resolve(ref));
    return record ? record->node.tag : std::string();
}

void Tree::SetItemNode(const TreeItemRef& ref, const TreeNode& node)
{
    if (TreeRecord* record = store_.At(store_.Resolve(ref))) { record->node = node; }
}

TreeNode Tree::GetItemNode(const TreeItemRef& ref) const
{
    const TreeRecord* record = store_.At(store_.Resolve(ref));
    return record ? record->node : TreeNode{};
}

void Tree::Expand(int position, UINT flags)
{
    if (const TreeRecord* record = store_.At(position)) {
        SendTree(TVM_EXPAND, flags, static_cast<LPARAM>(record->item));
    }
}

// Properties

void Tree::SetSingleSel(bool value)
{
    singleSel_ = value;
    ApplyTreeStyle(value ? (lines_ | TVS_SINGLEEXPAND) : (lines_ & ~static_cast<DWORD>(TVS_SINGLEEXPAND)));
    PropertyChanged("SingleSel");
}

void Tree::SetLines(DWORD value)
{
    lines_ = value;
    ApplyTreeStyle(value);
    PropertyChanged("Lines");
}

void Tree::ApplyTreeStyle(DWORD style)
{
    if (!tree_) { return; }
    SetWindowLongPtrA(tree_, GWL_STYLE, static_cast<LONG_PTR>(style));
    SetWindowPos(tree_, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    InvalidateRect(tree_, nullptr, TRUE);
}

void Tree::SetBorder(int value)
{
    border_ = value;
    if (Hwnd()) {
        LONG_PTR style = GetWindowLongPtrA(Hwnd(), GWL_STYLE);
        style = value == 1 ? (style | WS_BORDER) : (style & ~static_cast<LONG_PTR>(WS_BORDER));
        SetWindowLongPtrA(Hwnd(), GWL_STYLE, style);
        SetWindowPos(Hwnd(), nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
        Resize();
    }
    PropertyChanged("Border");
}

void Tree::SetHImageList(HIMAGELIST list)
{
    imageList_ = list;
    SendTree(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(list));
}

int Tree::Indent() const { return static_cast<int>(SendTree(TVM_GETINDENT, 0, 0)); }

void Tree::SetIndent(int value) { SendTree(TVM_SETINDENT, static_cast<WPARAM>(value), 0); }

std::string Tree::ItemKey() const
{
    const TreeRecord* record = store_.CurrentRecord();
    return record ? record->node.key : std::string();
}

int Tree::ItemIndex() const
{
    const TreeRecord* record = store_.CurrentRecord();
    return record ? record->node.index : -1;
}

std::string Tree::ItemTag() const
{
    const TreeRecord* record = store_.CurrentRecord();
    return record ? record->node.tag : std::string();
}

void Tree::SetItemTag(const std::string& value)
{
    if (store_.Current() >= 0) { SetItemTag(store_.Current(), value); }
}

std::string Tree::ItemText() const
{
    const TreeRecord* record = store_.CurrentRecord();
    return record ? record->node.text : std::string();
}

void Tree::SetItemText(const std::string& text)
{
    if (store_.Current() >= 0) { RenameItem(store_.Current(), text); }
}

int Tree::Selection() const
{
    const LRESULT caret = SendTree(TVM_GETNEXTITEM, TVGN_CARET, 0);
    return store_.IndexOf(static_cast<TreeItemHandle>(caret));
}

void Tree::ReadProperties(const PropertyBag& bag)
{
    SetBorder(bag.Read<std::int32_t>("Border", 0));
    SetIndent(bag.Read<std::int32_t>("Indent", 5));
}

void Tree::WriteProperties(PropertyBag& bag) const
{
    bag.Write("Border", std::int32_t{border_}, std::int32_t{0});
    bag.Write("Indent", std::int32_t{Indent()}, std::int32_t{5});
}

// Notifications from the tree view: every one is taken over, with result 0
// except for a click whose handlers deleted items.

void Tree::SubclassBefore(bool& handled, LRESULT& ret, HWND, UINT msg, WPARAM, LPARAM lParam)
{
    handled = true;
    ret = 0;
    if (msg != WM_NOTIFY || !lParam) { return; }
    const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
    if (header.hwndFrom == tree_) { ret = OnNotify(header); }
}

void Tree::SubclassAfter(LRESULT&, HWND, UINT, WPARAM, LPARAM) {}

LRESULT Tree::OnNotify(const NMHDR& header)
{
    switch (header.code) {
        case NM_CLICK:
            return OnItemHit(false, 1);
        case NM_RCLICK:
            return OnItemHit(false, 2);
        case NM_DBLCLK:
            return OnItemHit(true, 1);
        case TVN_SELCHANGINGA:
        case kSelChangingW:
            OnSelectionChange(true);
            break;
        case TVN_SELCHANGEDA:
        case kSelChangedW:
            OnSelectionChange(false);
            break;
        case TVN_KEYDOWN:
            if (const TreeRecord* record = store_.CurrentRecord()) {
                SendTree(TVM_EXPAND, TVE_EXPAND, static_cast<LPARAM>(record->item));
            }
            break;
    }
    return 0;
}

// Every record on the hit item becomes current in turn and is reported;
// then the point itself. A handler may change the store: each record is
// checked again before it is reported. When a handler deleted items, the
// tree view must not go on with the click (it would select the item it
// hit, which may be gone): the result 1 stops it.
LRESULT Tree::OnItemHit(bool doubleClick, int button)
{
    itemsDeleted_ = false;
    POINT point{};
    GetCursorPos(&point);
    ScreenToClient(tree_, &point);
    TVHITTESTINFO hit{};
    hit.pt = point;
    const auto item = static_cast<TreeItemHandle>(SendTree(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    auto alive = AliveToken();
    if (item) {
        for (int position : store_.PositionsOf(item)) {
            const TreeRecord* record = store_.At(position);
            if (!record || record->item != item) { continue; }
            store_.SetCurrent(position);
            const TreeNode node = record->node;
            if (doubleClick) {
                RaiseEvent(onItemDblClick, node.text, node.key, node.index);
            } else {
                RaiseEvent(onItemClick, button, node.text, node.key, node.index);
            }
            if (!*alive) { return 1; }
        }
    }
    RaiseEvent(doubleClick ? onDblClick : onClick, static_cast<int>(point.x), static_cast<int>(point.y));
    return *alive && !itemsDeleted_ ? 0 : 1;
}

void Tree::OnSelectionChange(bool before)
{
    const TreeRecord* record = store_.At(Selection());
    if (!record) { return; }
    const TreeNode node = record->node;
    RaiseEvent(before ? onBeforeSelChanged : onAfterSelChanged, node.text, node.key, node.index);
}

}  // namespace kforge
