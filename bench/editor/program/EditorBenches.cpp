#include "EditorBenches.h"

#include <stdexcept>
#include <vector>

#include "DocUnderTest.h"
#include "EditUnderTest.h"
#include "Figures.h"
#include "KeyPress.h"
#include "MessageWait.h"
#include "Stopwatch.h"

namespace kforge {

namespace {

constexpr DWORD kOpenTimeoutMs = 20000;
constexpr DWORD kKeyTimeoutMs = 5000;
constexpr WORD kTypedKey = 'X';
constexpr char kTypedChar = 'x';
constexpr double kOpenGoalRatio = 2;
constexpr double kKeyGoalMs = 16;

void Require(bool holds, const std::string& what)
{
    if (!holds) { throw std::runtime_error(what); }
}

// Milliseconds from the start of the opening to the end of the first paint.
// Every opening shows the same count of lines.
double TimeOpen(BenchFrame& frame, TextUnderTest& text, const char* name, const std::string& path,
                int& lineCount)
{
    Require(RunUntilIdle(kOpenTimeoutMs), "the window did not settle before opening the file");
    Stopwatch clock;
    Require(text.Open(frame.Hwnd(), frame.TextArea(0, 1), path), std::string(name) + " did not open " + path);
    Require(RunUntilIdle(kOpenTimeoutMs), std::string(name) + ": the first paint did not end");
    const double ms = clock.Milliseconds();
    const std::string fault = text.ScreenFault();
    Require(fault.empty(), std::string(name) + ": " + fault);
    if (lineCount < 0) { lineCount = text.LineCount(); }
    Require(text.LineCount() == lineCount, std::string(name) + " shows another count of lines");
    return ms;
}

void Focus(BenchFrame& frame, TextUnderTest& text, const char* name)
{
    SetFocus(text.TypingWindow());
    Require(RunUntilIdle(kKeyTimeoutMs), std::string(name) + " did not settle after taking the focus");
    Require(GetForegroundWindow() == frame.Hwnd(), "the bench window is not in the foreground");
    Require(GetFocus() == text.TypingWindow(), std::string(name) + " did not take the focus");
}

// Presses a key and runs the messages until the text has the length it
// should have and nothing is left to paint.
void Type(TextUnderTest& text, WORD vk, long lengthAfter, const char* name)
{
    Require(PressKey(vk), "the key press was not taken");
    Require(RunUntilIdle([&] { return text.TextLength() == lengthAfter; }, kKeyTimeoutMs),
            std::string(name) + ": the key did not change the text in time");
}

// Milliseconds from the key press to the end of the paint showing its
// character at the end of `line`, which it then takes back.
double TimeKeystroke(BenchFrame& frame, TextUnderTest& text, const char* name, int line)
{
    Focus(frame, text, name);
    const std::string before = text.Line(line);
    const long length = text.TextLength();
    Stopwatch clock;
    Type(text, kTypedKey, length + 1, name);
    const double ms = clock.Milliseconds();
    Require(text.Line(line) == before + kTypedChar, std::string(name) + ": the character went elsewhere");
    Type(text, VK_BACK, length, name);
    Require(text.Line(line) == before, std::string(name) + ": Backspace did not restore the line");
    return ms;
}

std::string Seconds(double ms) { return Fixed(ms / 1000, 3) + " s"; }

std::string Ms(double ms) { return Fixed(ms, 1) + " ms"; }

}  // namespace

std::string RunOpenBench(BenchFrame& frame, const std::string& path, int runs)
{
    std::vector<double> editTimes, docTimes;
    int lineCount = -1;
    for (int run = 0; run < runs; ++run) {
        {
            EditUnderTest edit;
            editTimes.push_back(TimeOpen(frame, edit, "the EDIT control", path, lineCount));
        }
        {
            DocUnderTest doc(frame);
            docTimes.push_back(TimeOpen(frame, doc, "the editor document", path, lineCount));
        }
    }
    const Figures edit = Summarize(editTimes), doc = Summarize(docTimes);
    const double ratio = Ratio(doc.median, edit.median);
    return "editor-open: EDIT " + Seconds(edit.median) + "  EditorDoc " + Seconds(doc.median) +
           "  EditorDoc/EDIT " + Fixed(ratio, 2) +
           (ratio <= kOpenGoalRatio ? " (goal at most 2: met)" : " (goal at most 2: missed)") + "  [" +
           std::to_string(lineCount) + " lines shown, median of " + std::to_string(runs) + "]";
}

std::string RunKeyBench(BenchFrame& frame, const std::string& path, int line, int keys)
{
    EditUnderTest edit;
    DocUnderTest doc(frame);
    Require(edit.Open(frame.Hwnd(), frame.TextArea(0, 2), path), "the EDIT control did not open " + path);
    Require(doc.Open(frame.Hwnd(), frame.TextArea(1, 2), path), "the editor document did not open " + path);
    Require(line < edit.LineCount() && line < doc.LineCount(),
            "the file has no line " + std::to_string(line + 1));
    edit.PutCaretAtLineEnd(line);
    doc.PutCaretAtLineEnd(line);
    Require(RunUntilIdle(kOpenTimeoutMs), "the windows did not settle after opening the file");
    std::vector<double> editTimes, docTimes;
    for (int key = 0; key < keys; ++key) {
        editTimes.push_back(TimeKeystroke(frame, edit, "the EDIT control", line));
        docTimes.push_back(TimeKeystroke(frame, doc, "the editor document", line));
    }
    const Figures e = Summarize(editTimes), d = Summarize(docTimes);
    return "editor-keys: EDIT median " + Ms(e.median) + " worst " + Ms(e.worst) + "  EditorDoc median " +
           Ms(d.median) + " worst " + Ms(d.worst) + "  EditorDoc/EDIT " +
           Fixed(Ratio(d.median, e.median), 2) +
           (d.worst < kKeyGoalMs ? " (goal every keystroke under 16 ms: met)"
                                 : " (goal every keystroke under 16 ms: missed)") +
           "  [line " + std::to_string(line + 1) + ", " + std::to_string(keys) + " keystrokes each]";
}

}  // namespace kforge
