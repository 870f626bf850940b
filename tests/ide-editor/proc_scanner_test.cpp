// The procedure navigator's scan: the line split, the recognised headings and
// the preselected entry.

#include "ProcScanner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kforge {
namespace {

std::string Describe(const std::vector<ProcEntry>& entries)
{
    std::string text;
    for (const ProcEntry& entry : entries) {
        text += "[" + entry.text + " @" + std::to_string(entry.line) + "]";
    }
    return text;
}

TEST(SplitCrLfLines, Table)
{
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a", ""}},
        {"\r\n", {"", ""}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\nb\n", {"a\nb\n"}},  // a lone LF does not split
        {"a\rb", {"a\rb"}},      // nor does a lone CR
        {"a\r\r\nb", {"a\r", "b"}},
        {"a\n\r\nb", {"a\n", "b"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(SplitCrLfLines(c.text), c.lines);
    }
}

TEST(ScanProcedures, OneLine)
{
    struct Case {
        const char* line;
        const char* entry;  // nullptr: not listed
    };
    const Case cases[] = {
        {"Private Sub Form_Load()", "Form_Load"},
        {"PUBLIC FUNCTION Area(w, h)", "Area"},
        {"Public Property Let Value(ByVal v As Long)", "Value(PropertyLet)"},
        {"Public Property Get Value() As Long", "Value(PropertyGet)"},
        {"Function Total As Long", "Total As Long"},
        {"Sub Main 'default main procedure, start program from here",
         "Main 'default main procedure, start program from here"},
        {"function f()", "f"},
        {"public function f()", "f"},
        {"sub s()", "s"},
        {"public sub s()", "s"},
        {"private function f()", "f"},
        {"private sub s()", "s"},
        {"property let p(v)", "p(PropertyLet)"},
        {"property get p()", "p(PropertyGet)"},
        {"private property let p(v)", "p(PropertyLet)"},
        {"private property get p()", "p(PropertyGet)"},
        {"public property let p(v)", "p(PropertyLet)"},
        {"public property get p()", "p(PropertyGet)"},
        {"PUBLIC FUNCTION Left(s AS STRING, n AS LONG) AS STRING", "Left"},
        {"SUB KWnd.Initialize", "KWnd.Initialize"},
        {"   Sub Indented()", "Indented"},
        {"Sub   Spaced   ()", "Spaced"},
        {"Sub X 'calls Y(1)", "X 'calls Y"},
        {"Sub X() ' trailing comment", "X"},
        {"Sub \xC4nderung()", "\xC4nderung"},
        {"sUb MixedCase_Name()", "MixedCase_Name"},
        {"Sub Tab\tInside()", "Tab\tInside"},
        {"Sub X\t", "X\t"},  // a trailing tab is no blank
        {"Property Set Value(v)", nullptr},
        {"Friend Sub X()", nullptr},
        {"Static Function X()", nullptr},
        {"Declare Function X Lib \"k32\" ()", nullptr},
        {"EXPORT FUNCTION X()", nullptr},
        {"End Sub", nullptr},
        {"'Sub X()", nullptr},
        {"\tSub X()", nullptr},
        {"Sub\tX()", nullptr},
        {"Public  Sub X()", nullptr},
        {"Sub ()", nullptr},
        {"Sub", nullptr},
        {"Sub    ", nullptr},
        {"Subroutine X()", nullptr},
        {"DIM x AS LONG", nullptr},
        {"", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const std::vector<ProcEntry> entries = ScanProcedures(c.line);
        if (c.entry == nullptr) {
            EXPECT_TRUE(entries.empty()) << Describe(entries);
        } else {
            ASSERT_EQ(entries.size(), 1u) << Describe(entries);
            EXPECT_EQ(entries[0].text, c.entry);
            EXPECT_EQ(entries[0].line, 0);
        }
    }
}

TEST(ScanProcedures, ModuleInLineOrder)
{
    const std::string text =
        "' A module\r\n"
        "OPTION EXPLICIT\r\n"
        "PUBLIC FUNCTION Area(w AS LONG, h AS LONG) AS LONG\r\n"
        "\tresult = w * h\r\n"
        "END FUNCTION\r\n"
        "Public Property Get Value() As Long\r\n"
        "End Property\r\n"
        "Public Property Let Value(ByVal v As Long)\r\n"
        "End Property\r\n"
        "SUB Main\r\n"
        "END SUB\r\n"
        "SUB Main\r\n";
    EXPECT_EQ(Describe(ScanProcedures(text)),
              "[Area @2][Value(PropertyGet) @5][Value(PropertyLet) @7][Main @9][Main @11]");
}

TEST(ScanProcedures, LinesSplitAtCrLfOnly)
{
    // LF-only or CR-only text is one line: only its first heading counts.
    EXPECT_EQ(Describe(ScanProcedures("Sub A()\nSub B()\n")), "[A @0]");
    EXPECT_EQ(Describe(ScanProcedures("Sub A()\rSub B()\r")), "[A @0]");
    EXPECT_EQ(Describe(ScanProcedures("Sub A\nSub B()")), "[A\nSub B @0]");
    EXPECT_EQ(Describe(ScanProcedures("x\r\n\r\nSub C()\r\n")), "[C @2]");
}

TEST(PreselectLine, Table)
{
    const std::vector<ProcEntry> twoHeadings = {{"A", 2}, {"B", 8}};
    const std::vector<ProcEntry> lineOne = {{"A", 1}};
    const std::vector<ProcEntry> lineZero = {{"A", 0}};
    struct Case {
        const char* what;
        const std::vector<ProcEntry>* entries;
        int lineCount;
        int caretLine;
        int index;
    };
    const std::vector<ProcEntry> none;
    const Case cases[] = {
        {"between two headings", &twoHeadings, 10, 5, 1},
        {"on the first heading", &twoHeadings, 10, 2, 1},
        {"on the second heading", &twoHeadings, 10, 8, 2},
        {"right before the second heading", &twoHeadings, 10, 7, 1},
        {"after the last heading", &twoHeadings, 10, 9, 2},
        {"above every heading", &twoHeadings, 10, 1, 0},
        {"beyond the last line", &twoHeadings, 10, 10, 0},
        {"far beyond the last line", &twoHeadings, 10, 500, 0},
        {"line 0 preselects at line 1", &lineOne, 5, 0, 1},
        {"negative line counts as line 0", &lineOne, 5, -3, 1},
        {"heading on line 0 with the caret on it", &lineZero, 3, 0, 1},
        {"heading on line 0 in a one-line text", &lineZero, 1, 0, 0},
        {"no headings", &none, 5, 3, 0},
        {"empty text", &none, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(PreselectLine(*c.entries, c.lineCount, c.caretLine), c.index);
    }
}

TEST(PreselectLine, OverAScannedModule)
{
    const std::string text = "OPTION EXPLICIT\r\nSUB A\r\nEND SUB\r\nSUB B\r\nEND SUB";
    const std::vector<ProcEntry> entries = ScanProcedures(text);
    const int lineCount = static_cast<int>(SplitCrLfLines(text).size());
    const int expected[] = {1, 1, 1, 2, 2, 0};  // caret lines 0 to 5
    for (int caretLine = 0; caretLine < 6; ++caretLine) {
        SCOPED_TRACE(caretLine);
        EXPECT_EQ(PreselectLine(entries, lineCount, caretLine), expected[caretLine]);
    }
}

}  // namespace
}  // namespace kforge
