#include "ilink32.h"

#include "frontend.h"
#include "text.h"

#include <gtest/gtest.h>

#include <iterator>

namespace kiln {
namespace {

const std::vector<std::string> windows_libraries{"-lkernel32", "-luser32",   "-lgdi32",   "-lcomdlg32",
                                                 "-lcomctl32", "-ladvapi32", "-lshell32", "-lole32",
                                                 "-loleaut32", "-luuid",     "-lwinmm"};

std::vector<std::string> with_windows_libraries(std::vector<std::string> command)
{
    command.insert(command.end(), windows_libraries.begin(), windows_libraries.end());
    return command;
}

TEST(Ilink32, DebugConsoleProgramWithModuleLibrary)
{
    LinkRequest request = parse_ilink32(
        "-Gn -ap c0x32.obj /k/lib/core/stc_dev.obj /k/lib/core/core_dev.obj Hello.obj ,Hello.exe,nul,"
        "cw32mt.lib import32.lib /k/lib/System.lib");
    EXPECT_EQ(request.kind, ImageKind::console);
    EXPECT_EQ(link_command(request, {}),
              with_windows_libraries({cross_compiler, "-mconsole", "-static", "-o", "Hello.exe",
                                      "/k/lib/core/stc_dev.obj", "/k/lib/core/core_dev.obj", "Hello.obj",
                                      "-Wl,--start-group", "/k/lib/System.lib", "-Wl,--end-group"}));
}

TEST(Ilink32, WindowedProgramWithoutLibraries)
{
    LinkRequest request = parse_ilink32(
        "-Gn -aa -Tpe c0w32.obj /k/lib/core/stw.obj /k/lib/core/core.obj W.obj ,W.exe,nul,"
        "cw32mt.lib import32.lib");
    EXPECT_EQ(link_command(request, {}),
              with_windows_libraries({cross_compiler, "-mwindows", "-static", "-o", "W.exe",
                                      "/k/lib/core/stw.obj", "/k/lib/core/core.obj", "W.obj"}));
}

TEST(Ilink32, DllExportsPlainNames)
{
    LinkRequest request =
        parse_ilink32("-Gn -aa -Tpd c0d32.obj /k/lib/core/core.obj D.obj ,D.dll,nul,cw32mt.lib import32.lib");
    EXPECT_EQ(request.kind, ImageKind::dll);
    EXPECT_EQ(link_command(request, {}),
              with_windows_libraries({cross_compiler, "-shared", "-Wl,--kill-at", "-static", "-o", "D.dll",
                                      "/k/lib/core/core.obj", "D.obj"}));
}

TEST(Ilink32, ResourcesDefMapAndBackslashes)
{
    LinkRequest request = parse_ilink32("-ap C:\\x\\C0X32.OBJ a\\P.obj ,,P.map,cw32mt M,P.def,r\\P.res Q");
    EXPECT_EQ(request.objects, (std::vector<std::string>{"a/P.obj"}));
    EXPECT_EQ(request.output, "P.exe");
    EXPECT_EQ(request.map, "P.map");
    EXPECT_EQ(request.libraries, (std::vector<std::string>{"M.lib"}));
    EXPECT_FALSE(request.windows_libraries);
    EXPECT_EQ(request.def, "P.def");
    EXPECT_EQ(request.resources, (std::vector<std::string>{"r/P.res", "Q.res"}));
    EXPECT_EQ(link_inputs(request),
              (std::vector<std::string>{"a/P.obj", "M.lib", "P.def", "r/P.res", "Q.res"}));
    EXPECT_EQ(link_command(request, {"/tmp/r1.o", "/tmp/r2.o"}),
              (std::vector<std::string>{cross_compiler, "-mconsole", "-static", "-o", "P.exe", "a/P.obj",
                                        "P.def", "/tmp/r1.o", "/tmp/r2.o", "-Wl,--start-group", "M.lib",
                                        "-Wl,--end-group", "-Wl,-Map,P.map"}));
    EXPECT_EQ(resource_command("r/P.res", "/tmp/r1.o"),
              (std::vector<std::string>{cross_resource_compiler, "-J", "res", "-O", "coff", "-i", "r/P.res",
                                        "-o", "/tmp/r1.o"}));
}

TEST(Ilink32, OutputAndMapDefaults)
{
    struct Case {
        const char* line;
        const char* output;
        const char* map;
    } cases[] = {
        {"-ap P.obj Q.obj", "P.exe", ""},         {"-Tpd c0d32.obj sub/D.obj,,NUL", "D.dll", ""},
        {"-ap P,Prog,/dev/null", "Prog.exe", ""}, {"-ap P.obj,out/Prog.bin,Prog", "out/Prog.bin", "Prog.map"},
        {"-ap P.obj , , nul , ", "P.exe", ""},
    };
    for (const Case& c : cases) {
        LinkRequest request = parse_ilink32(c.line);
        EXPECT_EQ(request.output, c.output) << c.line;
        EXPECT_EQ(request.map, c.map) << c.line;
    }
}

TEST(Ilink32, RejectedLines)
{
    struct Case {
        const char* line;
        const char* reason;
    } cases[] = {
        {"-Gn -x P.obj,,nul,", "unsupported option '-x'"},
        {"-ap -aa P.obj", "conflicting options '-ap' and '-aa'"},
        {"-Tpe -Tpd P.obj", "conflicting options '-Tpe' and '-Tpd'"},
        {"-ap c0x32.obj ,P.exe", "no object files given"},
        {"-ap P.o", "unsupported input 'P.o' (expected .obj)"},
        {"-ap P.obj,a.exe b.exe", "more than one output file ('b.exe')"},
        {"-ap P.obj,,,,a.def b.def", "more than one definition file ('b.def')"},
        {"-ap P.obj,,,,,P.rc", "unsupported resource file 'P.rc' (expected .res)"},
        {"-ap P.obj,,,,,,", "too many fields (at most six, separated by ',')"},
        {"-ap P.obj,-o,nul,", "unsupported option '-o'"},
        {"-ap P.obj,,nul,-lfoo", "unsupported option '-lfoo'"},
        {"-ap P.obj,,nul,,,-x.res", "unsupported option '-x.res'"},
    };
    for (const Case& c : cases) {
        try {
            parse_ilink32(c.line);
            ADD_FAILURE() << "accepted: " << c.line;
        } catch (const Failure& failure) {
            EXPECT_STREQ(failure.what(), c.reason) << c.line;
        }
    }
}

TEST(Ilink32, LinkerLines)
{
    const char* undefined =
        "/usr/bin/i686-w64-mingw32-ld: P.obj:P.cpp:(.text+0x1c): undefined reference to `f()'";
    EXPECT_EQ(translate_linker_line(undefined, true),
              "Error P.obj:P.cpp:(.text+0x1c): undefined reference to `f()'");
    EXPECT_EQ(translate_linker_line("/usr/lib/gcc/../bin/ld: warning: something odd", false),
              "Warning warning: something odd");
    EXPECT_EQ(translate_linker_line("collect2: error: ld returned 1 exit status", true), "");
    EXPECT_EQ(translate_linker_line("i686-w64-mingw32-g++: error: x.obj: No such file", true),
              "Error i686-w64-mingw32-g++: error: x.obj: No such file");
    EXPECT_EQ(translate_linker_line("i686-w64-mingw32-ld: cannot find -lx", true), "Error cannot find -lx");
    EXPECT_EQ(translate_linker_line("/a/b/ld.exe: P.obj: odd", false), "Warning P.obj: odd");
    EXPECT_EQ(translate_linker_line("/a/gold: P.obj: odd", true), "Error /a/gold: P.obj: odd");
    std::string long_line(1000000, 'y');
    EXPECT_EQ(translate_linker_line(long_line, true), "Error " + long_line);
}

// kln hands each name over as one argument; a Windows caller writes the
// names with blanks in double quotes.
TEST(Ilink32, NamesWithBlanksStayWhole)
{
    const char* argv[] = {"ilink32",
                          "-Gn",
                          "-ap",
                          "c0x32.obj",
                          "/Kiln Tools/lib/core/stc.obj",
                          "/Kiln Tools/lib/core/core.obj",
                          "Hello.obj",
                          ",Hello.exe,nul,cw32mt.lib",
                          "import32.lib",
                          "/Kiln Tools/lib/System.lib,,My Res.res"};
    for (const std::string& line :
         {join_arguments(int(std::size(argv)), argv),
          std::string("-Gn -ap c0x32.obj \"/Kiln Tools/lib/core/stc.obj\" \"/Kiln Tools/lib/core/core.obj\" "
                      "Hello.obj ,Hello.exe,nul,cw32mt.lib import32.lib \"/Kiln Tools/lib/System.lib\",,"
                      "\"My Res.res\"")}) {
        LinkRequest request = parse_ilink32(line);
        EXPECT_EQ(request.objects, (std::vector<std::string>{"/Kiln Tools/lib/core/stc.obj",
                                                             "/Kiln Tools/lib/core/core.obj", "Hello.obj"}))
            << line;
        EXPECT_EQ(request.libraries, (std::vector<std::string>{"/Kiln Tools/lib/System.lib"})) << line;
        EXPECT_EQ(request.resources, (std::vector<std::string>{"My Res.res"})) << line;
    }
    LinkRequest quoted = parse_ilink32("-ap \"My Projects\\P.obj\",\"Out Dir\\P,1.exe\",\"P map\"");
    EXPECT_EQ(quoted.objects, (std::vector<std::string>{"My Projects/P.obj"}));
    EXPECT_EQ(quoted.output, "Out Dir/P,1.exe") << "a comma inside quotes is part of the name";
    EXPECT_EQ(quoted.map, "P map.map");
}

TEST(Ilink32, ResponseFileNamesStayFileNames)
{
    LinkRequest request = parse_ilink32("-ap @P.obj,@P.exe,,@M.lib,@P.def");
    EXPECT_EQ(link_command(request, {}),
              (std::vector<std::string>{cross_compiler, "-mconsole", "-static", "-o", "./@P.exe", "./@P.obj",
                                        "./@P.def", "-Wl,--start-group", "./@M.lib", "-Wl,--end-group"}));
    EXPECT_EQ(resource_command("@R.res", "/tmp/r.o")[6], "./@R.res");
}

}  // namespace
}  // namespace kiln
