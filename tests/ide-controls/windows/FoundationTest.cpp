// The Win32 foundation: the Window base (binding, liveness, the exception
// boundary), the message pump, twips, fonts, colours, the hourglass and the
// dialog seam.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "AppPath.h"
#include "Boundary.h"
#include "Dialogs.h"
#include "Gdi.h"
#include "Hourglass.h"
#include "MessagePump.h"
#include "Registry.h"
#include "Window.h"

namespace kforge::test {
namespace {

constexpr UINT kThrow = WM_APP + 10;
constexpr UINT kPumpThenAsk = WM_APP + 11;

// Records what reaches OnMessage, and throws for kThrow.
class ProbeWindow : public Window {
public:
    bool Open(HWND parent = nullptr, DWORD style = WS_OVERLAPPEDWINDOW)
    {
        WindowSpec spec;
        spec.className = "KProbeWindow";
        spec.style = style;
        spec.title = "probe";
        spec.rect = {0, 0, 120, 80};
        spec.parent = parent;
        return Create(spec);
    }

    std::vector<UINT> seen;
    bool hadHwndInCreate = false;
    bool aliveAfterPump = true;

protected:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        seen.push_back(msg);
        if (msg == WM_CREATE) { hadHwndInCreate = Hwnd() != nullptr; }
        if (msg == kThrow) { throw std::runtime_error("handler failed"); }
        if (msg == kPumpThenAsk) {
            auto alive = AliveToken();
            PumpPendingMessages();
            aliveAfterPump = *alive;
            return 0;
        }
        return Window::OnMessage(msg, wParam, lParam);
    }
};

bool Saw(const ProbeWindow& window, UINT msg)
{
    for (UINT seen : window.seen) {
        if (seen == msg) { return true; }
    }
    return false;
}

TEST(Window, MessagesSentDuringCreationReachTheObject)
{
    ProbeWindow window;
    ASSERT_TRUE(window.Open());
    ASSERT_GE(window.seen.size(), 2u);
    EXPECT_EQ(window.seen.front(), static_cast<UINT>(WM_NCCREATE));
    EXPECT_TRUE(Saw(window, WM_CREATE));
    EXPECT_TRUE(window.hadHwndInCreate);
    EXPECT_TRUE(*window.AliveToken());
}

TEST(Window, AVisibleChildGetsShowWindowDuringCreation)
{
    ProbeWindow parent;
    ASSERT_TRUE(parent.Open());
    ProbeWindow child;
    ASSERT_TRUE(child.Open(parent.Hwnd(), WS_CHILD | WS_VISIBLE));
    EXPECT_TRUE(Saw(child, WM_SHOWWINDOW));
}

TEST(Window, DestroyingTheWindowUnbindsTheObject)
{
    ProbeWindow window;
    ASSERT_TRUE(window.Open());
    auto alive = window.AliveToken();
    HWND hwnd = window.Hwnd();
    DestroyWindow(hwnd);
    EXPECT_TRUE(Saw(window, WM_NCDESTROY));
    EXPECT_EQ(window.Hwnd(), nullptr);
    EXPECT_FALSE(*alive);
    EXPECT_EQ(GetWindowLongPtrA(hwnd, GWLP_USERDATA), 0);
}

TEST(Window, TheDestructorDestroysTheWindowAndClearsTheToken)
{
    HWND hwnd = nullptr;
    std::shared_ptr<bool> alive;
    {
        ProbeWindow window;
        ASSERT_TRUE(window.Open());
        hwnd = window.Hwnd();
        alive = window.AliveToken();
    }
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(*alive);
}

TEST(Window, AnExceptionInAHandlerGivesTheDefaultResult)
{
    ProbeWindow window;
    ASSERT_TRUE(window.Open());
    EXPECT_EQ(SendMessageA(window.Hwnd(), kThrow, 0, 0), DefWindowProcA(window.Hwnd(), kThrow, 0, 0));
    EXPECT_EQ(GetWindowTextLengthA(window.Hwnd()), 5);  // the window still works
}

TEST(Window, TheClassIsRegisteredOnceForManyWindows)
{
    ProbeWindow first, second;
    EXPECT_TRUE(first.Open());
    EXPECT_TRUE(second.Open());
}

TEST(MessagePump, RunsWaitingMessagesAndKeepsAQuitForTheMainLoop)
{
    ProbeWindow window;
    ASSERT_TRUE(window.Open());
    PostMessageA(window.Hwnd(), WM_APP + 20, 0, 0);
    PostQuitMessage(7);
    PumpPendingMessages();
    EXPECT_TRUE(Saw(window, WM_APP + 20));
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
}

TEST(MessagePump, TheLivenessTokenShowsAWindowClosedInsideThePump)
{
    ProbeWindow window;
    ASSERT_TRUE(window.Open());
    PostMessageA(window.Hwnd(), WM_CLOSE, 0, 0);  // DefWindowProc destroys the window
    SendMessageA(window.Hwnd(), kPumpThenAsk, 0, 0);
    EXPECT_FALSE(window.aliveAfterPump);
    EXPECT_EQ(window.Hwnd(), nullptr);
}

TEST(MessagePump, ModalDialogScopesNest)
{
    ProbeWindow first, second;
    ASSERT_TRUE(first.Open());
    ASSERT_TRUE(second.Open());
    EXPECT_EQ(ActiveModalDialog(), nullptr);
    {
        ModalDialogScope outer(first.Hwnd());
        {
            ModalDialogScope inner(second.Hwnd());
            EXPECT_EQ(ActiveModalDialog(), second.Hwnd());
        }
        EXPECT_EQ(ActiveModalDialog(), first.Hwnd());
    }
    EXPECT_EQ(ActiveModalDialog(), nullptr);
}

TEST(Gdi, TwipsFollowTheScreensPixelsPerInch)
{
    HDC screen = GetDC(nullptr);
    const int dpiX = GetDeviceCaps(screen, LOGPIXELSX), dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(TwipsPerPixelX(), 1440 / dpiX);
    EXPECT_EQ(TwipsPerPixelY(), 1440 / dpiY);
    EXPECT_EQ(TwipsToPixelsX(1440), dpiX);
    EXPECT_EQ(TwipsToPixelsY(30), MulDiv(30, dpiY, 1440));
}

TEST(Gdi, MakeFontSizesInPointsAndGivesAMonospaceFaceOnRequest)
{
    struct Case {
        const char* face;
        double points;
        bool fixed;
    };
    for (const Case& font : {Case{"Tahoma", 8.25, false}, Case{"Courier New CE", 10, true}}) {
        SCOPED_TRACE(font.face);
        HFONT handle = MakeFont(font.face, font.points, false, font.fixed);
        ASSERT_NE(handle, nullptr);
        LOGFONTA described{};
        GetObjectA(handle, sizeof described, &described);
        HDC screen = GetDC(nullptr);
        EXPECT_EQ(described.lfHeight,
                  -MulDiv(static_cast<int>(font.points * 100), GetDeviceCaps(screen, LOGPIXELSY), 7200));
        HGDIOBJ old = SelectObject(screen, handle);
        TEXTMETRICA metrics{};
        GetTextMetricsA(screen, &metrics);
        SIZE narrow{}, wide{};
        GetTextExtentPoint32A(screen, "iiii", 4, &narrow);
        GetTextExtentPoint32A(screen, "WWWW", 4, &wide);
        SelectObject(screen, old);
        ReleaseDC(nullptr, screen);
        DeleteObject(handle);
        EXPECT_EQ(narrow.cx == wide.cx, font.fixed) << "iiii " << narrow.cx << " WWWW " << wide.cx;
    }
}

TEST(Gdi, ResolveColorTranslatesSystemColoursOnly)
{
    EXPECT_EQ(ResolveColor(0x80000005u), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(ResolveColor(0x80000010u), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(ResolveColor(0x00E8D8D2u), 0x00E8D8D2u);
    EXPECT_EQ(ResolveColor(0x81000005u), 0x81000005u);
}

TEST(Hourglass, ShowsTheWaitCursorAndRestoresThePreviousOne)
{
    HCURSOR arrow = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    SetCursor(arrow);
    {
        Hourglass wait;
        EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
    }
    EXPECT_EQ(GetCursor(), arrow);
}

TEST(Dialogs, AHandlerAnswersEveryDialogInsteadOfShowingIt)
{
    std::vector<DialogRequest> requests;
    SetDialogHandler([&](const DialogRequest& request) {
        requests.push_back(request);
        DialogAnswer answer;
        answer.button = IDYES;
        answer.path = "C:\\chosen\\" + request.title;
        return answer;
    });
    HWND owner = reinterpret_cast<HWND>(static_cast<LONG_PTR>(0x1234));
    EXPECT_EQ(ShowMessage(owner, " Save changes? ", "Kiln Forge", MB_YESNOCANCEL), IDYES);
    EXPECT_EQ(ShowSave(owner, std::string("Kiln\0*.kln\0", 11), "save", OFN_EXPLORER, "kln"),
              "C:\\chosen\\save");
    EXPECT_EQ(ShowOpen(owner, "", "open", OFN_EXPLORER), "C:\\chosen\\open");
    EXPECT_EQ(BrowseForFolder(owner), "C:\\chosen\\");
    SetDialogHandler(nullptr);

    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(requests[0].kind, DialogKind::Message);
    EXPECT_EQ(requests[0].owner, owner);
    EXPECT_EQ(requests[0].text, " Save changes? ");
    EXPECT_EQ(requests[0].flags, static_cast<UINT>(MB_YESNOCANCEL));
    EXPECT_EQ(requests[1].kind, DialogKind::Save);
    EXPECT_EQ(requests[1].text, std::string("Kiln\0*.kln\0", 11));
    EXPECT_EQ(requests[1].defaultExt, "kln");
    EXPECT_EQ(requests[2].kind, DialogKind::Open);
    EXPECT_EQ(requests[2].defaultExt, "kln");  // the shared record keeps it
    EXPECT_EQ(requests[3].kind, DialogKind::Folder);
}

TEST(Boundary, StopsExceptionsAndFallsBack)
{
    EXPECT_TRUE(CallGuarded([] {}));
    EXPECT_FALSE(CallGuarded([] { throw std::runtime_error("stopped"); }));
    EXPECT_EQ(CallGuarded([]() -> int { throw 1; }, [] { return 5; }), 5);
    EXPECT_EQ(CallGuarded([] { return 3; }, [] { return 5; }), 3);
}

// The settings key of these tests, removed before and after each.
class Registry : public ::testing::Test {
protected:
    static constexpr const char* kKey = "Software\\KilnForgeTest";
    void SetUp() override { Clear(); }
    void TearDown() override { Clear(); }
    static void Clear() { RegDeleteTreeA(HKEY_CURRENT_USER, kKey); }
};

TEST_F(Registry, StringValuesRoundTripAndEverythingElseReadsEmpty)
{
    SetRegValue(HKEY_CURRENT_USER, kKey, "Name", "kln.syn");
    SetRegValue(HKEY_CURRENT_USER, kKey, "Empty", "");
    EXPECT_EQ(GetRegValue(HKEY_CURRENT_USER, kKey, "Name"), "kln.syn");
    EXPECT_EQ(GetRegValue(HKEY_CURRENT_USER, kKey, "Empty"), "");
    EXPECT_EQ(GetRegValue(HKEY_CURRENT_USER, kKey, "Missing"), "");
    EXPECT_EQ(GetRegValue(HKEY_CURRENT_USER, "Software\\NoSuchKilnKey", "Name"), "");

    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    DWORD number = 7;
    RegSetValueExA(key, "Number", 0, REG_DWORD, reinterpret_cast<BYTE*>(&number), sizeof number);
    // A string stored without its NUL, and one with a NUL inside.
    RegSetValueExA(key, "Unended", 0, REG_SZ, reinterpret_cast<const BYTE*>("abc"), 3);
    RegSetValueExA(key, "Inner", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>("ab\0cd"), 6);
    RegCloseKey(key);
    EXPECT_EQ(GetRegValue(HKEY_CURRENT_USER, kKey, "Number"), "");
    EXPECT_EQ(GetRegValue(HKEY_CURRENT_USER, kKey, "Unended"), "abc");
    EXPECT_EQ(GetRegValue(HKEY_CURRENT_USER, kKey, "Inner"), "ab");
}

TEST_F(Registry, EnumRegKeysGivesTheFirstSubkeyOnly)
{
    EXPECT_EQ(EnumRegKeys(HKEY_CURRENT_USER, kKey), "");
    SetRegValue(HKEY_CURRENT_USER, std::string(kKey) + "\\Alpha", "v", "1");
    SetRegValue(HKEY_CURRENT_USER, std::string(kKey) + "\\Beta", "v", "2");
    EXPECT_EQ(EnumRegKeys(HKEY_CURRENT_USER, kKey), "Alpha");
    DeleteRegKey(HKEY_CURRENT_USER, std::string(kKey) + "\\Alpha");
    EXPECT_EQ(EnumRegKeys(HKEY_CURRENT_USER, kKey), "Beta");
}

TEST(AppPath, IsTheFolderOfTheRunningProgram)
{
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string expected(module);
    expected.resize(expected.rfind('\\'));
    EXPECT_EQ(AppPath(), expected);
    EXPECT_NE(AppPath().back(), '\\');
}

}  // namespace
}  // namespace kforge::test
