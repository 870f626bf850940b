// The subclassing core on real windows: routing through the before and
// after tables, take-over, the all-messages state, re-entrant table changes
// and sends, several subclassers on one window, and the cases where the
// window or the attachment goes away.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "Subclasser.h"
#include "TestWindow.h"

namespace kforge::test {
namespace {

constexpr UINT kAll = static_cast<UINT>(-1);

// An owner whose handlers log their calls and then run what the test set.
class ScriptedOwner : public ISubclass {
public:
    ScriptedOwner(std::vector<std::string>& log, std::string name) : log_(log), name_(std::move(name)) {}

    void SubclassBefore(bool& handled, LRESULT& ret, HWND, UINT msg, WPARAM, LPARAM) override
    {
        log_.push_back(name_ + " before " + std::to_string(msg) + " handled=" + std::to_string(handled) +
                       " ret=" + std::to_string(ret));
        if (before) { before(handled, ret, msg); }
    }

    void SubclassAfter(LRESULT& ret, HWND, UINT msg, WPARAM, LPARAM) override
    {
        log_.push_back(name_ + " after " + std::to_string(msg) + " ret=" + std::to_string(ret));
        if (after) { after(ret, msg); }
    }

    std::function<void(bool& handled, LRESULT& ret, UINT msg)> before;
    std::function<void(LRESULT& ret, UINT msg)> after;
    Subclasser core;

private:
    std::vector<std::string>& log_;
    std::string name_;
};

std::string Before(const char* name, UINT msg)
{
    return std::string(name) + " before " + std::to_string(msg) + " handled=0 ret=0";
}

std::string After(const char* name, UINT msg, LRESULT ret)
{
    return std::string(name) + " after " + std::to_string(msg) + " ret=" + std::to_string(ret);
}

class SubclasserTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(window.Hwnd(), nullptr); }

    LRESULT Send(UINT msg, WPARAM wParam = 0) { return SendMessageA(window.Hwnd(), msg, wParam, 0); }
    size_t ReceivedCount(UINT msg) const
    {
        size_t count = 0;
        for (UINT received : window.Received()) { count += received == msg; }
        return count;
    }

    TestWindow window;
    std::vector<std::string> log;
    ScriptedOwner owner{log, "A"};
};

TEST_F(SubclasserTest, UnattachedCoreDoesNothing)
{
    owner.core.UnSubclass();
    owner.core.UnSubclass();
    EXPECT_EQ(owner.core.CallOrigWndProc(kProbe, 1, 0), 0);
    EXPECT_EQ(owner.core.SubclassedWindow(), nullptr);
}

TEST_F(SubclasserTest, RefusesMissingWindowOrOwner)
{
    EXPECT_FALSE(owner.core.Subclass(nullptr, &owner));
    EXPECT_FALSE(owner.core.Subclass(reinterpret_cast<HWND>(static_cast<LONG_PTR>(0x7FFF0)), &owner));
    EXPECT_FALSE(owner.core.Subclass(window.Hwnd(), nullptr));
    EXPECT_EQ(owner.core.SubclassedWindow(), nullptr);
}

TEST_F(SubclasserTest, MessageInNoTableReachesThePreviousProcedureUnchanged)
{
    ASSERT_TRUE(owner.core.Subclass(window.Hwnd(), &owner));
    owner.core.AddMsg(kOtherProbe, Subclasser::kBefore);
    owner.core.AddMsg(kOtherProbe, Subclasser::kAfter);
    EXPECT_EQ(Send(kProbe, 4), ProbeResult(kProbe, 4));
    EXPECT_EQ(ReceivedCount(kProbe), 1u);
    EXPECT_TRUE(log.empty());
}

TEST_F(SubclasserTest, BeforeHitNotHandledGoesOnToThePreviousProcedure)
{
    ASSERT_TRUE(owner.core.Subclass(window.Hwnd(), &owner));
    owner.core.AddMsg(kProbe, Subclasser::kBefore);
    owner.before = [](bool&, LRESULT& ret, UINT) { ret = 99; };  // ret without handled is ignored
    EXPECT_EQ(Send(kProbe, 2), ProbeResult(kProbe, 2));
    EXPECT_EQ(ReceivedCount(kProbe), 1u);
    EXPECT_EQ(log, std::vector<std::string>({Before("A", kProbe)}));
}

TEST_F(SubclasserTest, HandledBeforeTakesTheMessageOverAndSkipsTheAfterTable)
{
    ASSERT_TRUE(owner.core.Subclass(window.Hwnd(), &owner));
    owner.core.AddMsg(kProbe, Subclasser::kBefore);
    owner.core.AddMsg(kProbe, Subclasser::kAfter);
    owner.before = [](bool& handled, LRESULT& ret, UINT) {
        handled = true;
        ret = -7;
    };
    EXPECT_EQ(Send(kProbe), -7);
    EXPECT_EQ(ReceivedCount(kProbe), 0u);
    EXPECT_EQ(log, std::vector<std::string>({Before("A", kProbe)}));
}

TEST_F(SubclasserTest, AfterSeesThePreviousResultAndMayReplaceIt)
{
    ASSERT_TRUE(owner.core.Subclass(window.Hwnd(), &owner));
    owner.core.AddMsg(kProbe, 0);  // any value but 1 selects the after table
    owner.core.AddMsg(kOtherProbe, 2);
    owner.after = [](LRESULT& ret, UINT msg) {
        if (msg == kOtherProbe) { ret = 5; }
    };
    EXPECT_EQ(Send(kProbe, 3), ProbeResult(kProbe, 3));
    EXPECT_EQ(Send(kOtherProbe), 5);
    EXPECT_EQ(log, std::vector<std::string>({After("A", kProbe, ProbeResult(kProbe, 3)),
                                             After("A", kOtherProbe, ProbeResult(kOtherProbe, 0))}));
}

TEST_F(SubclasserTest, AllMessagesStateRoutesEveryMessageUntilEmptied)
{
    ASSERT_TRUE(owner.core.Subclass(window.Hwnd(), &owner));
    owner.core.AddMsg(kAll, Subclasser::kBefore);
    owner.core.AddMsg(kProbe, Subclasser::kBefore);  // stays "all"
    owner.core.DelMsg(kProbe, Subclasser::kBefore);  // stays "all"
    Send(kProbe);
    Send(kOtherProbe);
    Send(WM_NULL);
    EXPECT_EQ(
        log, std::vector<std::string>({Before("A", kProbe), Before("A", kOtherProbe), Before("A", WM_NULL)}));
    log.clear();
    owner.core.DelMsg(kAll, Subclasser::kBefore);
    Send(kProbe);
    EXPECT_TRUE(log.empty());
    owner.core.AddMsg(kOtherProbe, Subclasser::kBefore);  // the table starts again at one entry
    EXPECT_EQ(owner.core.BeforeTable().Count(), 1);
    Send(kOtherProbe);
    EXPECT_EQ(log, std::vector<std::string>({Before("A", kOtherProbe)}));
}

TEST_F(SubclasserTest, DuplicateEntriesRouteAMessageOnce)
{
    ASSERT_TRUE(owner.core.Subclass(window.Hwnd(), &owner));
    owner.core.AddMsg(kProbe, Subclasser::kBefore);
    owner.core.AddMsg(kOtherProbe, Subclasser::kBefore);
    owner.core.DelMsg(kProbe, Subclasser::kBefore);
    owner.core.AddMsg(kOtherProbe, Subclasser::kBefore);  // takes the free slot: [B, B]
    Send(kOtherProbe);
    Send(kProbe);
    EXPECT_EQ(log, std::vector<std::string>({Before("A", kOtherProbe)}));
}

TEST_F(SubclasserTest, TableChangesInsideAHandlerApplyFromTheNextMessage)
{
    ASSERT_TRUE(owner.core.Subclass(window.Hwnd(), &owner));
    owner.core.AddMsg(kProbe, Subclasser::kBefore);
    owner.core.AddMsg(kProbe, Subclasser::kAfter);
    owner.before = [this](bool&, LRESULT&, UINT) {
        owner.core.DelMsg(kProbe, Subclasser::kAfter);
        owner.core.AddMsg(kOtherProbe, Subclasser::kAfter);
    };
    Send(kProbe);
    owner.before = nullptr;
    Send(kProbe);
    Send(kOtherProbe);
    EXPECT_EQ(log, std::vector<std::string>({Before("A", kProbe), After("A", kProbe, ProbeResult(kProbe, 0)),
                                             Before("A", kProbe),
                                             After("A", kOtherProbe, ProbeResult(kOtherProbe, 0))}));
}

TEST_F(SubclasserTest, UnSubclassInsideAHandlerFinishesTheCurrentMessage)
{
    ASSERT_TRUE(owner.core.Subclass(window.Hwnd(), &owner));
    owner.core.AddMsg(kProbe, Subclasser::kBefore);
    owner.core.AddMsg(kProbe, Subclasser::kAfter);
    owner.before = [this](bool&, LRESULT&, UINT) { owner.core.UnSubclass(); };
    EXPECT_EQ(Send(kProbe, 1), ProbeResult(kProbe, 1));
    EXPECT_EQ(owner.core.SubclassedWindow(), nullptr);
    EXPECT_EQ(Send(kProbe, 1), ProbeResult(kProbe, 1));
    EXPECT_EQ(log,
              std::vector<std::string>({Before("A", kProbe), After("A", kProbe, ProbeResult(kProbe, 1))}));
    EXPECT_EQ(ReceivedCount(kProbe), 2u);
}

TEST_F(SubclasserTest, HandlersMaySendToTheirOwnWindow)
{
    ASSERT_TRUE(owner.core.Subclass(window.Hwnd(), &owner));
    owner.core.AddMsg(kProbe, Subclasser::kBefore);
    owner.core.AddMsg(kOtherProbe, Subclasser::kAfter);
    LRESULT nested = 0;
    owner.before = [&](bool&, LRESULT&, UINT) { nested = Send(kOtherProbe, 6); };
    EXPECT_EQ(Send(kProbe, 1), ProbeResult(kProbe, 1));
    EXPECT_EQ(nested, ProbeResult(kOtherProbe, 6));
    EXPECT_EQ(log, std::vector<std::string>(
                       {Before("A", kProbe), After("A", kOtherProbe, ProbeResult(kOtherProbe, 6))}));
}

TEST_F(SubclasserTest, CallOrigWndProcWorksOnlyDuringADispatch)
{
    ASSERT_TRUE(owner.core.Subclass(window.Hwnd(), &owner));
    owner.core.AddMsg(kProbe, Subclasser::kBefore);
    LRESULT inside = 0;
    owner.before = [&](bool& handled, LRESULT& ret, UINT) {
        inside = owner.core.CallOrigWndProc(kOtherProbe, 2, 0);
        handled = true;
        ret = 1;
    };
    EXPECT_EQ(Send(kProbe), 1);
    EXPECT_EQ(inside, ProbeResult(kOtherProbe, 2));
    EXPECT_EQ(owner.core.CallOrigWndProc(kOtherProbe, 2, 0), 0);
}

TEST_F(SubclasserTest, SeveralSubclassersShareAWindowAndLeaveInAnyOrder)
{
    ScriptedOwner second(log, "B");
    ASSERT_TRUE(owner.core.Subclass(window.Hwnd(), &owner));
    ASSERT_TRUE(second.core.Subclass(window.Hwnd(), &second));
    for (ScriptedOwner* each : {&owner, &second}) {
        each->core.AddMsg(kProbe, Subclasser::kBefore);
        each->core.AddMsg(kProbe, Subclasser::kAfter);
    }
    second.after = [](LRESULT& ret, UINT) { ret += 1; };
    // The later subclasser comes first and sees the earlier one's result.
    EXPECT_EQ(Send(kProbe), ProbeResult(kProbe, 0) + 1);
    EXPECT_EQ(log, std::vector<std::string>({Before("B", kProbe), Before("A", kProbe),
                                             After("A", kProbe, ProbeResult(kProbe, 0)),
                                             After("B", kProbe, ProbeResult(kProbe, 0))}));
    log.clear();
    owner.core.UnSubclass();  // the first one leaves first
    EXPECT_EQ(Send(kProbe), ProbeResult(kProbe, 0) + 1);
    EXPECT_EQ(log,
              std::vector<std::string>({Before("B", kProbe), After("B", kProbe, ProbeResult(kProbe, 0))}));
    log.clear();
    second.core.UnSubclass();
    EXPECT_EQ(Send(kProbe), ProbeResult(kProbe, 0));
    EXPECT_TRUE(log.empty());
}

TEST_F(SubclasserTest, ASubclasserMayRemoveAnotherDuringItsDispatch)
{
    ScriptedOwner second(log, "B");
    ASSERT_TRUE(owner.core.Subclass(window.Hwnd(), &owner));
    ASSERT_TRUE(second.core.Subclass(window.Hwnd(), &second));
    owner.core.AddMsg(kProbe, Subclasser::kBefore);
    second.core.AddMsg(kProbe, Subclasser::kBefore);
    second.before = [&](bool&, LRESULT&, UINT) { owner.core.UnSubclass(); };
    EXPECT_EQ(Send(kProbe), ProbeResult(kProbe, 0));
    EXPECT_EQ(Send(kProbe), ProbeResult(kProbe, 0));
    EXPECT_EQ(log, std::vector<std::string>({Before("B", kProbe), Before("B", kProbe)}));
    EXPECT_EQ(ReceivedCount(kProbe), 2u);
}

TEST_F(SubclasserTest, SubclassingAgainLeavesTheFirstWindow)
{
    TestWindow other;
    ASSERT_TRUE(owner.core.Subclass(window.Hwnd(), &owner));
    owner.core.AddMsg(kProbe, Subclasser::kBefore);
    ASSERT_TRUE(owner.core.Subclass(other.Hwnd(), &owner));
    EXPECT_EQ(owner.core.SubclassedWindow(), other.Hwnd());
    owner.core.AddMsg(kProbe, Subclasser::kBefore);
    Send(kProbe);
    EXPECT_TRUE(log.empty());
    SendMessageA(other.Hwnd(), kProbe, 0, 0);
    EXPECT_EQ(log, std::vector<std::string>({Before("A", kProbe)}));
}

TEST_F(SubclasserTest, UnSubclassEmptiesBothTables)
{
    ASSERT_TRUE(owner.core.Subclass(window.Hwnd(), &owner));
    owner.core.AddMsg(kProbe, Subclasser::kBefore);
    owner.core.AddMsg(kAll, Subclasser::kAfter);
    owner.core.UnSubclass();
    EXPECT_EQ(owner.core.BeforeTable().Count(), 0);
    EXPECT_EQ(owner.core.AfterTable().Count(), 0);
}

TEST_F(SubclasserTest, ADestroyedWindowDetachesTheCoreAfterPassingNcDestroyOn)
{
    auto late = std::make_unique<ScriptedOwner>(log, "late");
    ASSERT_TRUE(late->core.Subclass(window.Hwnd(), late.get()));
    late->core.AddMsg(WM_NCDESTROY, Subclasser::kAfter);
    window.Destroy();
    EXPECT_EQ(ReceivedCount(WM_NCDESTROY), 1u);
    EXPECT_EQ(log, std::vector<std::string>({After("late", WM_NCDESTROY, 0)}));
    EXPECT_EQ(late->core.SubclassedWindow(), nullptr);
    late->core.UnSubclass();
    late.reset();  // the destructor finds nothing to remove
}

TEST_F(SubclasserTest, AnExceptionInBeforeLeavesTheMessageToThePreviousProcedure)
{
    ASSERT_TRUE(owner.core.Subclass(window.Hwnd(), &owner));
    owner.core.AddMsg(kProbe, Subclasser::kBefore);
    owner.core.AddMsg(kProbe, Subclasser::kAfter);
    owner.before = [](bool& handled, LRESULT& ret, UINT) {
        handled = true;
        ret = 1;
        throw std::runtime_error("before failed");
    };
    EXPECT_EQ(Send(kProbe, 2), ProbeResult(kProbe, 2));
    EXPECT_EQ(ReceivedCount(kProbe), 1u);
    EXPECT_EQ(log.size(), 2u);  // the after table still runs
}

TEST_F(SubclasserTest, AnExceptionInAfterKeepsThePreviousResult)
{
    ASSERT_TRUE(owner.core.Subclass(window.Hwnd(), &owner));
    owner.core.AddMsg(kProbe, Subclasser::kAfter);
    owner.after = [](LRESULT& ret, UINT) {
        ret = 1;
        throw 42;
    };
    EXPECT_EQ(Send(kProbe, 2), ProbeResult(kProbe, 2));
    EXPECT_EQ(ReceivedCount(kProbe), 1u);
}

TEST(SubclasserOnStatic, AStaticStaysAnsi)
{
    HWND label = CreateWindowExA(0, "STATIC", "ANSI text", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(label, nullptr);
    std::vector<std::string> log;
    ScriptedOwner owner(log, "S");
    ASSERT_TRUE(owner.core.Subclass(label, &owner));
    owner.core.AddMsg(WM_GETTEXT, Subclasser::kAfter);
    EXPECT_FALSE(IsWindowUnicode(label));
    char text[32] = {};
    EXPECT_EQ(GetWindowTextA(label, text, sizeof text), 9);
    EXPECT_STREQ(text, "ANSI text");
    EXPECT_EQ(log, std::vector<std::string>({After("S", WM_GETTEXT, 9)}));
    DestroyWindow(label);
    EXPECT_EQ(owner.core.SubclassedWindow(), nullptr);
}

}  // namespace
}  // namespace kforge::test
