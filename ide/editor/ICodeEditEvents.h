#pragma once
// What a CodeEdit tells its host. Events are synchronous and a handler may
// call any member of the editor again. Shift masks: 1 Shift, 2 Ctrl, 4 Alt;
// mouse buttons: 1 left, 2 right, 4 middle; points in client pixels. The
// defaults do nothing and answer "not handled".

#include <string>

namespace kforge {

class CodeList;
class CodeTip;

class ICodeEditEvents {
public:
    virtual ~ICodeEditEvents() = default;

    // After every caret or selection change, once per action, and after the
    // OnChange of an edit.
    virtual void OnSelChange() {}
    // After every change of the text, except loading a file.
    virtual void OnChange() {}
    // A notice: 4 = the search text was not found. True = handled.
    virtual bool OnNotify(int /*code*/) { return false; }

    // Before the editor acts on the key.
    virtual void OnKeyDown(int /*vk*/, int /*shift*/) {}
    virtual void OnKeyUp(int /*vk*/, int /*shift*/) {}
    // Before a typed character is inserted; true swallows it.
    virtual bool OnKeyPress(int /*ch*/, int /*shift*/) { return false; }
    // Before the caret moves.
    virtual void OnMouseDown(int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {}
    // After the selection is final.
    virtual void OnMouseUp(int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {}

    // Ctrl+Space: fill the list and answer true to show it.
    virtual bool OnCodeListWanted(CodeList&) { return false; }
    virtual void OnCodeListCommit(CodeList&) {}
    virtual void OnCodeListCancel(CodeList&) {}
    // The text of a small tip for the list's selected entry; "" for none.
    virtual std::string OnCodeListHover(CodeList&) { return std::string(); }
    // 4 shows (or refreshes) the call tip; anything else closes it.
    virtual int OnCodeTipWanted() { return 0; }
    virtual void OnCodeTipSetup(CodeTip&) {}
};

}  // namespace kforge
