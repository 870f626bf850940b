// The property list in a window of its own: rows added and cleared, one
// click opening each kind's editor, what the user types kept until Clear,
// the file dialog of file rows through the dialog seam, onRowChanged from
// clicks and arrow keys only, and the two columns as drawn.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "CommonControls.h"
#include "Dialogs.h"
#include "PropList.h"

namespace kforge::test {
namespace {

constexpr int kNameCellX = 50;
constexpr int kValueCellX = 300;

HWND MakeHost()
{
    static const bool registered = [] {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = "KPropListTestHost";
        return RegisterClassExA(&windowClass) != 0;
    }();
    if (!registered) { return nullptr; }
    return CreateWindowExA(0, "KPropListTestHost", "property list", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20,
                           520, 320, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

std::string TextOf(HWND hwnd)
{
    char text[512] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

std::string ClassOf(HWND hwnd)
{
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

std::vector<std::string> ComboItems(HWND combo)
{
    std::vector<std::string> items;
    const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[256] = {};
        SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

void Press(HWND hwnd, WPARAM key)
{
    SendMessageA(hwnd, WM_KEYDOWN, key, 1);
    SendMessageA(hwnd, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
}

void Type(HWND hwnd, const std::string& text)
{
    for (char c : text) { SendMessageA(hwnd, WM_CHAR, static_cast<unsigned char>(c), 1); }
}

class PropListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitCommonControlsOnce();
        host_ = MakeHost();
        ASSERT_NE(host_, nullptr);
        prop_ = std::make_unique<PropList>(host_, 7, RECT{10, 10, 410, 210});
        ASSERT_NE(prop_->Hwnd(), nullptr);
        list_ = FindWindowExA(prop_->Hwnd(), nullptr, "ListBox", nullptr);
        ASSERT_NE(list_, nullptr) << "the property list has no LISTBOX";
        prop_->onRowChanged = [this](int row) { changes_.push_back(row); };
        SetForegroundWindow(host_);
        SetFocus(list_);
    }

    void TearDown() override
    {
        SetDialogHandler(nullptr);
        prop_.reset();
        DestroyWindow(host_);
    }

    RECT RowRect(int row) const
    {
        RECT rc{};
        SendMessageA(list_, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rc));
        return rc;
    }

    // A mouse click at x in a row, as the list receives it.
    void Click(int row, int x)
    {
        const RECT rc = RowRect(row);
        const LPARAM point = MAKELPARAM(x, (rc.top + rc.bottom) / 2);
        SendMessageA(list_, WM_LBUTTONDOWN, MK_LBUTTON, point);
        SendMessageA(list_, WM_LBUTTONUP, 0, point);
    }

    HWND Editor() const { return FindWindowExA(prop_->Hwnd(), nullptr, "KPropEditor", nullptr); }
    bool EditorShown() const { return Editor() && IsWindowVisible(Editor()); }

    // The editor's control of a class, when it is shown.
    HWND Shown(const char* className) const
    {
        HWND control = FindWindowExA(Editor(), nullptr, className, nullptr);
        return control && IsWindowVisible(control) ? control : nullptr;
    }

    // The editor's place in the list's client pixels.
    RECT EditorRect() const
    {
        RECT rc{};
        GetWindowRect(Editor(), &rc);
        MapWindowPoints(nullptr, list_, reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    }

    HWND host_ = nullptr;
    std::unique_ptr<PropList> prop_;
    HWND list_ = nullptr;
    std::vector<int> changes_;
};

TEST_F(PropListTest, RowsAreAppendedAndClearedWithoutRowEvents)
{
    prop_->AddRow("Configuration Type", 1);
    prop_->AddRow("Use of COM", 8);
    prop_->AddRow("Description", 0);
    ASSERT_EQ(prop_->RowCount(), 3);
    EXPECT_EQ(SendMessageA(list_, LB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(prop_->Row(0)->Name(), "Configuration Type");
    EXPECT_EQ(prop_->Row(2)->Name(), "Description");
    prop_->Row(prop_->RowCount() - 1)->SetDescription("Small description to project.");
    EXPECT_EQ(prop_->Row(2)->Description(), "Small description to project.");
    EXPECT_EQ(prop_->Row(0)->Description(), "");
    prop_->Row(0)->Values().Add("Console Aplication");
    EXPECT_EQ(prop_->Row(0)->Values().Items(), std::vector<std::string>{"Console Aplication"});
    EXPECT_EQ(prop_->Row(3), nullptr);
    EXPECT_EQ(prop_->Row(-1), nullptr);

    prop_->Clear();
    EXPECT_EQ(prop_->RowCount(), 0);
    EXPECT_EQ(SendMessageA(list_, LB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(prop_->Row(0), nullptr);
    prop_->AddRow("Command", 64);
    EXPECT_EQ(prop_->Row(0)->Name(), "Command");
    EXPECT_TRUE(changes_.empty()) << "Clear or AddRow raised onRowChanged";
}

TEST_F(PropListTest, OneClickOpensTheEditorOfTheRowsKind)
{
    struct Case {
        int kind;
        const char* control;
        bool browseButton;
        std::vector<std::string> values;   // added to the row
        std::vector<std::string> choices;  // its drop-down offers
    };
    const Case cases[] = {
        {0, "Edit", false, {}, {}},
        {1,
         "ComboBox",
         false,
         {"Don't Use Exception Handling", "Allow Exception Handling"},
         {"Don't Use Exception Handling", "Allow Exception Handling"}},
        {8, "ComboBox", false, {"ignored"}, {"True", "False"}},
        {64, "Edit", true, {}, {}},
        {5, "Edit", false, {"ignored"}, {}},  // an unknown kind is text
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("kind " + std::to_string(c.kind));
        prop_->Clear();
        prop_->AddRow("first", 0);
        prop_->AddRow("second", c.kind);
        for (const std::string& value : c.values) { prop_->Row(1)->Values().Add(value); }
        Click(1, kValueCellX);
        ASSERT_TRUE(EditorShown()) << "no editor after one click";
        HWND control = Shown(c.control);
        ASSERT_NE(control, nullptr) << "the editor shows no " << c.control;
        EXPECT_EQ(GetFocus(), control);
        EXPECT_EQ(Shown(c.control == std::string("Edit") ? "ComboBox" : "Edit"), nullptr);
        HWND button = Shown("Button");
        EXPECT_EQ(button != nullptr, c.browseButton);
        if (button) { EXPECT_EQ(TextOf(button), "..."); }
        if (std::string(c.control) == "ComboBox") { EXPECT_EQ(ComboItems(control), c.choices); }
        const RECT editor = EditorRect(), row = RowRect(1);
        EXPECT_EQ(editor.left, PropList::kNameWidth) << "the editor covers the value column";
        EXPECT_EQ(editor.top, row.top);
    }
}

TEST_F(PropListTest, TheTypedValueStaysUntilClear)
{
    prop_->AddRow("Description", 0);
    prop_->AddRow("Use of COM", 8);
    prop_->AddRow("Configuration Type", 1);
    prop_->Row(2)->Values().Add("Console Aplication");
    prop_->Row(2)->Values().Add("Win32 Aplication");

    // A click on the name opens the editor as well; Enter keeps the text.
    Click(0, kNameCellX);
    HWND edit = Shown("Edit");
    ASSERT_NE(edit, nullptr);
    Type(edit, "small app");
    Press(edit, VK_RETURN);
    EXPECT_EQ(prop_->Row(0)->Value(), "small app");
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(GetFocus(), list_) << "Enter leaves the keyboard in the list";

    // A choice is kept when the focus moves to another row.
    Click(1, kValueCellX);
    HWND combo = Shown("ComboBox");
    ASSERT_NE(combo, nullptr);
    Press(combo, VK_DOWN);
    Click(2, kValueCellX);
    EXPECT_EQ(prop_->Row(1)->Value(), "True");

    // Esc drops the edit.
    combo = Shown("ComboBox");
    ASSERT_NE(combo, nullptr);
    Press(combo, VK_DOWN);
    Press(combo, VK_ESCAPE);
    EXPECT_EQ(prop_->Row(2)->Value(), "");
    Click(0, kValueCellX);
    edit = Shown("Edit");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(TextOf(edit), "small app") << "the editor shows the kept value";
    Type(edit, "other");
    Press(edit, VK_ESCAPE);
    EXPECT_EQ(prop_->Row(0)->Value(), "small app");

    // Reopening a choice row shows its kept choice.
    Click(1, kValueCellX);
    combo = Shown("ComboBox");
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 0);

    prop_->Clear();
    prop_->AddRow("Description", 0);
    EXPECT_EQ(prop_->Row(0)->Value(), "");
    Click(0, kValueCellX);
    ASSERT_NE(Shown("Edit"), nullptr);
    EXPECT_EQ(TextOf(Shown("Edit")), "");
}

TEST_F(PropListTest, TheBrowseButtonAsksTheFileDialogThroughTheSeam)
{
    std::vector<DialogRequest> requests;
    std::string answer = "C:\\tools\\debug.exe";
    SetDialogHandler([&](const DialogRequest& request) {
        requests.push_back(request);
        DialogAnswer reply;
        reply.path = answer;
        return reply;
    });
    prop_->AddRow("Working Directory", 64);
    Click(0, kValueCellX);
    HWND button = Shown("Button");
    ASSERT_NE(button, nullptr);
    SendMessageA(button, BM_CLICK, 0, 0);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].kind, DialogKind::Open);
    ASSERT_TRUE(EditorShown()) << "the editor closed while the dialog was asked";
    HWND edit = Shown("Edit");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(TextOf(edit), answer);
    EXPECT_EQ(GetFocus(), edit);

    answer = "";  // cancelled: the text stays
    SendMessageA(button, BM_CLICK, 0, 0);
    EXPECT_EQ(requests.size(), 2u);
    EXPECT_EQ(TextOf(edit), "C:\\tools\\debug.exe");
    Press(edit, VK_RETURN);
    EXPECT_EQ(prop_->Row(0)->Value(), "C:\\tools\\debug.exe");
}

TEST_F(PropListTest, RowChangedFollowsClicksAndKeysOnly)
{
    for (const char* name : {"Command", "Command Arguments", "Working Directory", "Description"}) {
        prop_->AddRow(name, 0);
    }
    EXPECT_TRUE(changes_.empty());
    Click(2, kNameCellX);
    EXPECT_EQ(changes_, std::vector<int>{2});
    Click(2, kValueCellX);
    EXPECT_EQ(changes_, std::vector<int>{2}) << "a click on the current row is no change";

    Press(Shown("Edit"), VK_ESCAPE);
    ASSERT_EQ(GetFocus(), list_);
    Press(list_, VK_DOWN);
    Press(list_, VK_UP);
    Press(list_, VK_UP);
    EXPECT_EQ(changes_, (std::vector<int>{2, 3, 2, 1}));
    EXPECT_EQ(prop_->CurrentRow(), 1);

    // Enter opens the current row's editor; its arrow keys step rows.
    Press(list_, VK_RETURN);
    HWND edit = Shown("Edit");
    ASSERT_NE(edit, nullptr);
    Type(edit, "-v");
    Press(edit, VK_DOWN);
    EXPECT_EQ(changes_, (std::vector<int>{2, 3, 2, 1, 2}));
    EXPECT_EQ(prop_->Row(1)->Value(), "-v");
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(EditorRect().top, RowRect(2).top) << "the editor moved to the next row";

    prop_->Clear();
    prop_->AddRow("Command", 0);
    EXPECT_EQ(changes_.size(), 5u) << "Clear or AddRow raised onRowChanged";
    EXPECT_EQ(prop_->CurrentRow(), -1);
}

TEST_F(PropListTest, AThrowingHandlerLeavesTheListWorking)
{
    prop_->AddRow("Command", 0);
    prop_->AddRow("Command Arguments", 0);
    prop_->onRowChanged = [](int) { throw std::runtime_error("host failed"); };
    Click(1, kValueCellX);
    EXPECT_EQ(prop_->CurrentRow(), 1);
    EXPECT_TRUE(EditorShown());
    EXPECT_EQ(prop_->RowCount(), 2);
}

// Real input: the pointer and the keys go through the system's input
// queue, as a user's do.
void SendMouse(DWORD flags, int x = 0, int y = 0)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

void SendKey(WORD key)
{
    INPUT input[2] = {};
    for (INPUT& event : input) {
        event.type = INPUT_KEYBOARD;
        event.ki.wVk = key;
    }
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof input[0]);
}

// Runs the window messages until done() holds, for at most two seconds.
template<typename Done> bool PumpUntil(Done done)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > 2000) { return false; }
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
    return true;
}

TEST_F(PropListTest, ARealClickOpensTheEditorAndTypedKeysAreKept)
{
    prop_->AddRow("Command", 0);
    prop_->AddRow("Command Arguments", 0);
    const RECT row = RowRect(1);
    POINT point{kValueCellX, (row.top + row.bottom) / 2};
    ClientToScreen(list_, &point);
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, point.x, point.y);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(PumpUntil([&] { return Shown("Edit") && GetFocus() == Shown("Edit"); }))
        << "a real click opened no editor";
    EXPECT_EQ(changes_, std::vector<int>{1});
    for (WORD key : {WORD{'A'}, WORD{'B'}, WORD{VK_RETURN}}) { SendKey(key); }
    EXPECT_TRUE(PumpUntil([&] { return !EditorShown(); })) << "Enter did not close the editor";
    EXPECT_EQ(prop_->Row(1)->Value(), "ab");
    SendKey(VK_UP);
    EXPECT_TRUE(PumpUntil([&] { return changes_.size() == 2; })) << "the Up key changed no row";
    EXPECT_EQ(prop_->CurrentRow(), 0);
}

COLORREF PixelOf(HWND hwnd, int x, int y)
{
    HDC dc = GetDC(hwnd);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return colour;
}

TEST_F(PropListTest, TheNamesColumnIs200PixelsWide)
{
    prop_->AddRow("Use of COM", 8);
    prop_->AddRow("Use of ActiveX", 8);
    Click(0, kNameCellX);
    Press(Shown("ComboBox"), VK_ESCAPE);  // row 0 stays current, drawn selected
    UpdateWindow(list_);
    const int split = PropList::kNameWidth - 1;
    for (int row : {0, 1}) {
        SCOPED_TRACE("row " + std::to_string(row));
        const RECT rc = RowRect(row);
        const int y = rc.top + 1;
        const COLORREF name = GetSysColor(row == 0 ? COLOR_HIGHLIGHT : COLOR_WINDOW);
        EXPECT_EQ(PixelOf(list_, split - 20, y), name);
        EXPECT_EQ(PixelOf(list_, split - 1, y), name);
        EXPECT_EQ(PixelOf(list_, split, y), GetSysColor(COLOR_BTNFACE)) << "no split line at 199";
        EXPECT_EQ(PixelOf(list_, split + 1, y), GetSysColor(COLOR_WINDOW))
            << "the value column starts at 200";
        EXPECT_EQ(PixelOf(list_, kValueCellX, y), GetSysColor(COLOR_WINDOW));
        EXPECT_EQ(PixelOf(list_, kValueCellX, rc.bottom - 1), GetSysColor(COLOR_BTNFACE))
            << "no line under the row";
    }
}

bool HasStyle(HWND hwnd, DWORD bits) { return (GetWindowLongPtrA(hwnd, GWL_STYLE) & bits) == bits; }

TEST_F(PropListTest, TheLookIsBorderlessArialWithScrollBarsAsNeeded)
{
    for (HWND hwnd : {prop_->Hwnd(), list_}) {
        SCOPED_TRACE(ClassOf(hwnd));
        EXPECT_FALSE(HasStyle(hwnd, WS_BORDER));
        EXPECT_EQ(GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    }
    EXPECT_EQ(ClassOf(prop_->Hwnd()), "KPropList");
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(list_, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, "Arial");

    prop_->AddRow("Description", 0);
    EXPECT_FALSE(HasStyle(list_, WS_VSCROLL)) << "a vertical scroll bar for one row";
    EXPECT_FALSE(HasStyle(list_, WS_HSCROLL)) << "a horizontal scroll bar for an empty value";
    for (int i = 0; i < 30; ++i) { prop_->AddRow("Row " + std::to_string(i), 0); }
    EXPECT_TRUE(HasStyle(list_, WS_VSCROLL)) << "no vertical scroll bar for 31 rows";
    Click(0, kValueCellX);
    Type(Shown("Edit"), std::string(120, 'W'));
    Press(Shown("Edit"), VK_RETURN);
    EXPECT_TRUE(HasStyle(list_, WS_HSCROLL)) << "no horizontal scroll bar for a long value";
}

}  // namespace
}  // namespace kforge::test
