#include "bcc32.h"

#include "fixed_flags.h"
#include "frontend.h"

#include <gtest/gtest.h>

namespace kiln {
namespace {

TEST(Bcc32Parse, TheCompileLinesOfTheBuildDriver)
{
    CompileRequest plain = parse_bcc32("-d -O2 -c -w- -WM Hello.cpp");
    EXPECT_EQ(plain.source, "Hello.cpp");
    EXPECT_TRUE(plain.optimise);
    EXPECT_TRUE(plain.no_warnings);
    CompileRequest without_exceptions = parse_bcc32("-d -O2 -c -w- -x- -WM Hello.cpp");
    EXPECT_EQ(without_exceptions.source, "Hello.cpp");
    EXPECT_EQ(compile_command(without_exceptions), compile_command(plain)) << "-x- must change nothing";
}

TEST(Bcc32Parse, MinimalLineAndBackslashPath)
{
    CompileRequest request = parse_bcc32("-c sub\\Prog.c");
    EXPECT_EQ(request.source, "sub/Prog.c");
    EXPECT_FALSE(request.optimise);
    EXPECT_FALSE(request.no_warnings);
    EXPECT_EQ(object_file(request), "Prog.obj") << "the object goes to the current folder";
}

TEST(Bcc32Parse, QuotedSourceWithBlanks)
{
    CompileRequest request = parse_bcc32("-c \"My Projects\\Hello World.cpp\"");
    EXPECT_EQ(request.source, "My Projects/Hello World.cpp");
    EXPECT_EQ(object_file(request), "Hello World.obj");
    EXPECT_EQ(compile_command(request).back(), "My Projects/Hello World.cpp");
}

TEST(Bcc32Parse, RejectedLines)
{
    struct Case {
        const char* line;
        const char* reason;
    } cases[] = {
        {"-c -q Hello.cpp", "unsupported option '-q'"},
        {"-c -O1 Hello.cpp", "unsupported option '-O1'"},
        {"-O2 Hello.cpp", "linking is not supported (use -c)"},
        {"-c", "no source file given"},
        {"", "no source file given"},
        {"-c a.cpp b.cpp", "more than one source file ('a.cpp', 'b.cpp')"},
    };
    for (const Case& c : cases) {
        try {
            parse_bcc32(c.line);
            ADD_FAILURE() << "accepted: " << c.line;
        } catch (const Failure& failure) {
            EXPECT_STREQ(failure.what(), c.reason) << c.line;
        }
    }
}

TEST(Bcc32Command, FixedFlagsThenOptionsThenOutput)
{
    std::vector<std::string> expected{cross_compiler, "-c"};
    for (const char* flag : fixed_compiler_flags) expected.emplace_back(flag);
    expected.insert(expected.end(), {"-O2", "-w", "-o", "Hello.obj", "Hello.cpp"});
    EXPECT_EQ(compile_command(parse_bcc32("-d -O2 -c -w- -WM Hello.cpp")), expected);
    EXPECT_EQ(expected[2], "-std=gnu++17");
}

TEST(Bcc32Diagnostics, TranslatedLines)
{
    struct Case {
        const char* line;
        const char* expected;
    } cases[] = {
        {"Hello.cpp:3:5: error: 'x' was not declared in this scope",
         "Error Hello.cpp 3: 'x' was not declared in this scope"},
        {"/b/lib/core/core.h:12:1: fatal error: y.h: No such file or directory",
         "Error /b/lib/core/core.h 12: y.h: No such file or directory"},
        {"Hello.cpp:7:10: warning: unused variable 'z' [-Wunused-variable]",
         "Warning Hello.cpp 7: unused variable 'z' [-Wunused-variable]"},
        {"Hello.cpp:9: error: no column here", "Error Hello.cpp 9: no column here"},
        {"Hello.cpp: In function 'int main()':", "Hello.cpp: In function 'int main()':"},
        {"Hello.cpp:3:5: note: declared here", "Hello.cpp:3:5: note: declared here"},
        {"Hello.cpp:3:5: error: expected ';': error: inside",
         "Error Hello.cpp 3: expected ';': error: inside"},
        {"cc1plus: error: bad option", "cc1plus: error: bad option"},
        {"/tmp/cc1.s: Assembler messages:", "/tmp/cc1.s: Assembler messages:"},
        {"/tmp/cc1.s:18: Error: no such instruction: `x'", "Error /tmp/cc1.s 18: no such instruction: `x'"},
        {"/tmp/cc1.s:19: Warning: odd", "Warning /tmp/cc1.s 19: odd"},
    };
    for (const Case& c : cases) EXPECT_EQ(translate_compiler_line(c.line), c.expected);
}

TEST(Bcc32Diagnostics, VeryLongLines)
{
    std::string name(1000000, 'x');
    EXPECT_EQ(translate_compiler_line("L.cpp:1:17: error: '" + name + "' was not declared"),
              "Error L.cpp 1: '" + name + "' was not declared");
    EXPECT_EQ(translate_compiler_line(name), name);
}

TEST(Bcc32Command, ResponseFileNamesStayFileNames)
{
    std::vector<std::string> command = compile_command(parse_bcc32("-c @odd.cpp"));
    ASSERT_GE(command.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(command.end() - 3, command.end()),
              (std::vector<std::string>{"-o", "./@odd.obj", "./@odd.cpp"}));
}

}  // namespace
}  // namespace kiln
