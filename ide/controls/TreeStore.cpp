#include "TreeStore.h"

namespace kforge {

TreeItemImages InsertionImages(int image, int selectedImage)
{
    TreeItemImages images;
    if (image > 0) {
        images.setImage = true;
        if (selectedImage < 0) { selectedImage = image; }
        images.setSelectedImage = true;
    }
    if (selectedImage > 0) { images.setSelectedImage = true; }
    images.image = image;
    images.selectedImage = selectedImage;
    return images;
}

int TreeStore::Resolve(const TreeItemRef& ref) const
{
    if (!ref.IsKey()) { return At(ref.Position()) ? ref.Position() : -1; }
    for (const TreeRecord& record : records_) {
        if (record.node.key == ref.Key()) { return At(record.node.index) ? record.node.index : -1; }
    }
    return -1;
}

const TreeRecord* TreeStore::At(int position) const
{
    return position >= 0 && position < Count() ? &records_[position] : nullptr;
}

TreeRecord* TreeStore::At(int position)
{
    return position >= 0 && position < Count() ? &records_[position] : nullptr;
}

TreeItemHandle TreeStore::HandleOfKey(const std::string& key) const
{
    for (const TreeRecord& record : records_) {
        if (record.node.key == key) { return record.item; }
    }
    return 0;
}

std::vector<int> TreeStore::PositionsOf(TreeItemHandle item) const
{
    std::vector<int> positions;
    for (int position = 0; position < Count(); ++position) {
        if (records_[position].item == item) { positions.push_back(position); }
    }
    return positions;
}

int TreeStore::IndexOf(TreeItemHandle item) const
{
    if (item == 0) { return -1; }
    for (const TreeRecord& record : records_) {
        if (record.item == item) { return record.node.index; }
    }
    return -1;
}

int TreeStore::Add(TreeItemHandle item, TreeItemHandle parent, const std::string& key,
                   const std::string& text, int image)
{
    TreeRecord record;
    record.item = item;
    record.parent = parent;
    record.node.index = Count();
    record.node.key = key;
    record.node.text = text;
    record.node.image = image;
    records_.push_back(std::move(record));
    return Count() - 1;
}

void TreeStore::Remove(int position)
{
    if (!At(position)) { return; }
    const int last = Count() - 1;
    if (position != last) { records_[position] = std::move(records_[last]); }
    records_[position].node.index = position;
    records_.pop_back();
    if (current_ == position) {
        current_ = -1;
    } else if (current_ == last) {
        current_ = position;
    }
}

void TreeStore::Clear()
{
    records_.clear();
    current_ = -1;
}

void TreeStore::SetCurrent(int position) { current_ = At(position) ? position : -1; }

}  // namespace kforge
