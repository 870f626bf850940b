// The modal dialog base: the owner disabled while a dialog shows, a fresh
// window and load per show, the dialog keys through IsDialogMessageA, the
// close box, the program's quit, a dialog destroyed from outside, and the
// place on the screen. Every show ends by itself after a few seconds, so a
// fault cannot hold the test.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <vector>

#include "MessagePump.h"
#include "ModalDialog.h"

namespace kforge::test {
namespace {

constexpr UINT kRunWhileShown = WM_APP + 20;
constexpr UINT_PTR kSafetyTimer = 1;
constexpr int kTimedOut = -99;
constexpr int kEditId = 100;

class TestDialog : public ModalDialog {
public:
    TestDialog() : ModalDialog("test dialog", 240, 120) {}

    std::function<void(TestDialog&)> whileShown;  // runs once the dialog shows
    bool throwInLoad = false;
    int loads = 0;
    int unloads = 0;
    std::vector<int> commands;
    HWND edit = nullptr;

    using ModalDialog::EndModal;
    using ModalDialog::SetDefaultId;

private:
    void OnLoad() override
    {
        ++loads;
        edit = AddControl("EDIT", "initial", WS_TABSTOP | WS_BORDER, RECT{10, 10, 200, 32}, kEditId);
        AddControl("BUTTON", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, RECT{10, 50, 90, 75}, IDOK);
        SetTimer(Hwnd(), kSafetyTimer, 5000, nullptr);
        PostMessageA(Hwnd(), kRunWhileShown, 0, 0);
        if (throwInLoad) { throw std::runtime_error("load failed"); }
    }
    void OnUnload() override { ++unloads; }
    void OnCommand(int id, int notifyCode, HWND) override
    {
        if (id == kEditId) { return; }  // the box's own notifications
        commands.push_back(id);
        if (notifyCode == BN_CLICKED || notifyCode == 0) { EndModal(id); }
    }
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        if (msg == kRunWhileShown && whileShown) {
            whileShown(*this);
            return 0;
        }
        if (msg == WM_TIMER && wParam == kSafetyTimer) {
            EndModal(kTimedOut);
            return 0;
        }
        return ModalDialog::OnMessage(msg, wParam, lParam);
    }
};

class ModalDialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(owner, nullptr);
    }
    void TearDown() override { DestroyWindow(owner); }

    HWND owner = nullptr;
    TestDialog dialog;
};

TEST_F(ModalDialogTest, DisablesTheOwnerWhileShownAndReturnsTheResult)
{
    bool ownerEnabled = true, visible = false, active = false;
    dialog.whileShown = [&](TestDialog& d) {
        ownerEnabled = IsWindowEnabled(owner);
        visible = IsWindowVisible(d.Hwnd());
        active = ActiveModalDialog() == d.Hwnd();
        d.EndModal(77);
    };
    EXPECT_EQ(dialog.ShowModal(owner), 77);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(visible);
    EXPECT_TRUE(active) << "nested pumps must serve the dialog's keys";
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(dialog.Hwnd(), nullptr) << "the window goes with the show";
    EXPECT_EQ(ActiveModalDialog(), nullptr);
    EXPECT_EQ(dialog.unloads, 1);
}

TEST_F(ModalDialogTest, EachShowLoadsAFreshWindow)
{
    std::vector<std::string> textsAtShow;
    dialog.whileShown = [&](TestDialog& d) {
        char text[64] = "";
        GetWindowTextA(d.edit, text, sizeof text);
        textsAtShow.push_back(text);
        SetWindowTextA(d.edit, "typed");
        d.EndModal(IDOK);
    };
    dialog.ShowModal(owner);
    dialog.ShowModal(owner);
    EXPECT_EQ(dialog.loads, 2);
    EXPECT_EQ(dialog.unloads, 2);
    EXPECT_EQ(textsAtShow, (std::vector<std::string>{"initial", "initial"}));
}

struct KeyCase {
    const char* name;
    WPARAM key;
    int defaultId;  // 0: none set
    int command;
};

void PrintTo(const KeyCase& key, std::ostream* out) { *out << key.name; }

class DialogKeys : public ModalDialogTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(DialogKeys, SendTheirCommand)
{
    if (GetParam().defaultId) { dialog.SetDefaultId(GetParam().defaultId); }
    dialog.whileShown = [&](TestDialog& d) {
        EXPECT_EQ(GetFocus(), d.edit) << "the first control has the focus";
        PostMessageA(d.edit, WM_KEYDOWN, GetParam().key, 0);
    };
    EXPECT_EQ(dialog.ShowModal(owner), GetParam().command);
    EXPECT_EQ(dialog.commands, std::vector<int>{GetParam().command});
}

INSTANTIATE_TEST_SUITE_P(ModalDialog, DialogKeys,
                         testing::Values(KeyCase{"enter", VK_RETURN, 0, IDOK},
                                         KeyCase{"enter-other-default", VK_RETURN, 42, 42},
                                         KeyCase{"escape", VK_ESCAPE, 0, IDCANCEL}));

TEST_F(ModalDialogTest, CloseBoxActsAsCancel)
{
    dialog.whileShown = [](TestDialog& d) { PostMessageA(d.Hwnd(), WM_CLOSE, 0, 0); };
    EXPECT_EQ(dialog.ShowModal(owner), IDCANCEL);
    EXPECT_EQ(dialog.commands, std::vector<int>{IDCANCEL});
}

TEST_F(ModalDialogTest, QuitEndsTheShowAndReachesTheMainLoop)
{
    dialog.whileShown = [](TestDialog&) { PostQuitMessage(3); };
    EXPECT_EQ(dialog.ShowModal(owner), IDCANCEL);
    EXPECT_TRUE(IsWindowEnabled(owner));
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit must not be lost";
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(ModalDialogTest, DestroyedFromOutsideEndsTheShow)
{
    dialog.whileShown = [](TestDialog& d) { DestroyWindow(d.Hwnd()); };
    EXPECT_EQ(dialog.ShowModal(owner), IDCANCEL);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(dialog.unloads, 1);
}

TEST_F(ModalDialogTest, ASecondShowWhileShownIsRefused)
{
    int nested = 0;
    dialog.whileShown = [&](TestDialog& d) {
        nested = d.ShowModal(owner);
        d.EndModal(5);
    };
    EXPECT_EQ(dialog.ShowModal(owner), 5);
    EXPECT_EQ(nested, IDCANCEL);
    EXPECT_EQ(dialog.loads, 1);
}

TEST_F(ModalDialogTest, ADisabledOwnerStaysDisabled)
{
    EnableWindow(owner, FALSE);
    dialog.whileShown = [](TestDialog& d) { d.EndModal(IDOK); };
    dialog.ShowModal(owner);
    EXPECT_FALSE(IsWindowEnabled(owner)) << "an outer dialog still holds the owner";
}

TEST_F(ModalDialogTest, ShowsCentredAcrossAtAThirdOfTheFreeHeight)
{
    RECT rect{};
    dialog.whileShown = [&](TestDialog& d) {
        GetWindowRect(d.Hwnd(), &rect);
        d.EndModal(IDOK);
    };
    dialog.ShowModal(owner);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
    EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 3);
    RECT client{};
    dialog.whileShown = [&](TestDialog& d) {
        GetClientRect(d.Hwnd(), &client);
        d.EndModal(IDOK);
    };
    dialog.ShowModal(owner);
    EXPECT_EQ(client.right, 240);
    EXPECT_EQ(client.bottom, 120);
}

TEST_F(ModalDialogTest, AFailingLoadStillShowsAndEnds)
{
    dialog.throwInLoad = true;
    dialog.whileShown = [](TestDialog& d) { d.EndModal(IDOK); };
    EXPECT_EQ(dialog.ShowModal(owner), IDOK);
    EXPECT_TRUE(IsWindowEnabled(owner));
}

}  // namespace
}  // namespace kforge::test
