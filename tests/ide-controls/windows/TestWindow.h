#pragma once
// A plain Win32 window for the tests: its own procedure records the
// messages from kProbe on that it receives (and WM_NCDESTROY), and answers
// each probe with ProbeResult, so a test sees what reached it and what it
// returned.

#include <windows.h>

#include <vector>

namespace kforge::test {

constexpr UINT kProbe = WM_APP + 1;
constexpr UINT kOtherProbe = WM_APP + 2;

inline LRESULT ProbeResult(UINT msg, WPARAM wParam)
{
    return static_cast<LRESULT>(msg) * 10 + static_cast<LRESULT>(wParam);
}

class TestWindow {
public:
    TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    ~TestWindow();

    HWND Hwnd() const { return hwnd_; }
    const std::vector<UINT>& Received() const { return received_; }
    void Destroy();

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    std::vector<UINT> received_;
};

}  // namespace kforge::test
