#pragma once
// The Project Properties dialog's page tree and the property rows each page
// shows. The rows are shown only: nothing stores what the user enters in
// them. Portable.

#include <string>
#include <vector>

namespace kforge {

// One page of the tree; an empty parent puts it at the root level.
struct PropertyPage {
    std::string parent;
    std::string key;
    std::string text;
    int image;
    int selectedImage;  // -1: not given
};

// One row of a page: name, property-list kind code, description and, for a
// drop-down row, the values it offers.
struct PageRow {
    std::string name;
    int kind;
    std::string description;
    std::vector<std::string> values;
};

// The pages in the order they are added, each after its parent.
const std::vector<PropertyPage>& PropertyPages();
// The page that is selected when the dialog opens.
extern const char* const kFirstPropertyPage;
// The rows of a page, in order; none for a page without rows or an unknown key.
const std::vector<PageRow>& PropertyPageRows(const std::string& pageKey);

}  // namespace kforge
