#pragma once
// The base of every IDE window that has a window procedure of its own: it
// registers the window class once, creates the window with the object as
// its creation parameter and binds the two in WM_NCCREATE, so the messages
// sent during CreateWindowExA (WM_CREATE, WM_SIZE, WM_SHOWWINDOW) already
// reach OnMessage. The object is owned by its host and outlives dispatches
// into it; WM_NCDESTROY unbinds it (Hwnd() becomes null).

#include <windows.h>

#include <memory>
#include <string>

namespace kforge {

// What Window::Create needs: the class (registered on first use under its
// name) and the window.
struct WindowSpec {
    std::string className;
    UINT classStyle = 0;          // CS_... bits of the class
    HBRUSH background = nullptr;  // the class's background brush
    DWORD exStyle = 0;
    DWORD style = 0;
    std::string title;
    RECT rect{};  // position and size, in the parent's client pixels
    HWND parent = nullptr;
    HMENU menuOrId = nullptr;  // a child's control id
};

class Window {
public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    // Destroys a window that still exists, without dispatching its last
    // messages to the object: its derived parts are gone by then.
    virtual ~Window();

    HWND Hwnd() const { return hwnd_; }

    // Turns false when the window is destroyed or the object ends. A handler
    // that calls out (raises an event, shows a dialog) and then uses the
    // object checks it.
    std::shared_ptr<bool> AliveToken() const { return alive_; }

    // Lets pending window messages run (PumpPendingMessages), `times` times
    // while the window lives; false when it is gone by then, and the
    // caller must not use the object any more:
    //   if (!LetMessagesRun()) { return; }
    bool LetMessagesRun(int times = 1) const;

protected:
    Window() = default;

    // Registers the class if needed and creates the window; false when
    // either fails or the object has its window already.
    bool Create(const WindowSpec& spec);

    // Handles one message of the window; the default is DefWindowProcA.
    virtual LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK DispatchProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static bool RegisterOnce(const WindowSpec& spec);
    void Bind(HWND hwnd);
    void Unbind();

    HWND hwnd_ = nullptr;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(false);
};

}  // namespace kforge
