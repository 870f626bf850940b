#pragma once
// What an editor document asks of the window that holds it (the main
// window): the editor calls back into the shell only through this.

#include <string>

namespace kforge {

class IDocumentHost {
public:
    virtual ~IDocumentHost() = default;

    // Refreshes the enabled state of the commands from the active document
    // and the open solution; the project commands take projectTools, or
    // true when a solution is named.
    virtual void UpdateUI(bool projectTools) = 0;
    // The text of the status strip's first field.
    virtual void SetStatus1(const std::string& text) = 0;
    // Shows the "Edit" popup menu at the mouse.
    virtual void ShowEditPopup() = 0;
};

}  // namespace kforge
