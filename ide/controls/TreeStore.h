#pragma once
// The Tree control's item store: beside each tree-view item, a keyed record
// with its caption, image and a free tag, kept in positions 0..Count()-1.
// Callers address records by position or by key; a key resolves to the
// index field of the first record that has it. A deletion moves the last
// record into the freed position. The store also keeps the "current"
// record (the one last clicked), always a position in use or -1.

#include <cstdint>
#include <string>
#include <vector>

namespace kforge {

// A tree-view item handle, opaque to the store; 0 is no item.
using TreeItemHandle = std::uintptr_t;

// The public face of a record (GetItemNode, SetItemNode).
struct TreeNode {
    int index = -1;
    int image = -1;
    std::string key;
    std::string text;
    std::string tag;
};

struct TreeRecord {
    TreeItemHandle item = 0;
    TreeItemHandle parent = 0;  // the parent at insertion; 0 at the root level
    TreeNode node;
};

// A reference to a record: a position, or a key looked up among the records.
class TreeItemRef {
public:
    TreeItemRef(int position) : position_(position) {}
    TreeItemRef(std::string key) : isKey_(true), key_(std::move(key)) {}
    TreeItemRef(const char* key) : TreeItemRef(std::string(key)) {}

    bool IsKey() const { return isKey_; }
    int Position() const { return position_; }
    const std::string& Key() const { return key_; }

private:
    bool isKey_ = false;
    int position_ = -1;
    std::string key_;
};

// Which image fields an insertion sets: an image above 0 sets both images
// (the selected one defaults to it), a selected image above 0 sets that one.
struct TreeItemImages {
    bool setImage = false;
    bool setSelectedImage = false;
    int image = -1;
    int selectedImage = -1;
};
TreeItemImages InsertionImages(int image, int selectedImage);

class TreeStore {
public:
    int Count() const { return static_cast<int>(records_.size()); }

    // The position a reference names, or -1: a position must be in use; a key
    // gives the first match's index field, which must be a position in use.
    int Resolve(const TreeItemRef& ref) const;
    // The record at a position in use, or null.
    const TreeRecord* At(int position) const;
    TreeRecord* At(int position);
    // The item handle of the first record with the key; 0 when none has it.
    TreeItemHandle HandleOfKey(const std::string& key) const;
    // The positions whose records hold the item, in order.
    std::vector<int> PositionsOf(TreeItemHandle item) const;
    // The index field of the first record holding the item, or -1.
    int IndexOf(TreeItemHandle item) const;

    // Appends a record whose index is its position; gives that position.
    int Add(TreeItemHandle item, TreeItemHandle parent, const std::string& key, const std::string& text,
            int image);
    // Moves the last record into the position in use (its index becomes the
    // position) and drops the last one; the current record follows it.
    void Remove(int position);
    // No record in use, no current record.
    void Clear();

    int Current() const { return current_; }
    // A position in use, else no current record.
    void SetCurrent(int position);
    const TreeRecord* CurrentRecord() const { return At(current_); }

private:
    std::vector<TreeRecord> records_;
    int current_ = -1;
};

}  // namespace kforge
