#include "PropertyPages.h"

#include "PropRow.h"

namespace kforge {

const char* const kFirstPropertyPage = "prGeneral";

const std::vector<PropertyPage>& PropertyPages()
{
    static const std::vector<PropertyPage> pages{
        {"", "root", "Configuration", 0, -1},
        {"root", "prGeneral", "General", 3, 2},
        {"root", "prDebugging", "Debugging", 3, 2},
        {"root", "prCompiler", "Compiler", 1, 0},
        {"prCompiler", "coGeneral", "General", 3, 2},
        {"prCompiler", "coVersion", "Version Information", 3, 2},
        {"prCompiler", "coCommand", "Command Line", 3, 2},
        {"root", "prResources", "Resources", 1, 0},
        {"prResources", "rcGeneral", "General", 3, 2},
        {"root", "prSteps", "Custom Buils Steps", 1, 0},
        {"prSteps", "csGeneral", "General", 3, 2},
    };
    return pages;
}

namespace {

const std::vector<PageRow>& GeneralRows()
{
    static const std::vector<PageRow> rows{
        {"Configuration Type",
         PropRow::kList,
         "Define Type of the compiled aplication. This property can by owerwriten by Option Console ON/OFF.",
         {"Console Aplication", "Win32 Aplication", "Dynamic Library (.dll)", "Kiln Library (.kmd)"}},
        {"Use of COM", PropRow::kBoolean, "Define switch to add COM libraries to project.    (-c)", {}},
        {"Use of ActiveX",
         PropRow::kBoolean,
         "Define switch to add ActiveX libraries to project.    (-o)",
         {}},
        {"Use Exception Handling",
         PropRow::kList,
         "Define, if you can use C++ exception handling support.    (-x)",
         {"Don't Use Exception Handling", "Allow Exception Handling"}},
        {"Generate C++ header", PropRow::kBoolean, "Kiln generate header [.h] file.    (-h)", {}},
        {"Dump C++ output only",
         PropRow::kBoolean,
         "Kiln generate only C++ source code, don't compile output.    (-p)",
         {}},
        {"Redirect Outputs",
         PropRow::kBoolean,
         "Redirect C++ compiler and linker output to .err file.    (-e)",
         {}},
        {"Use Make File", PropRow::kBoolean, "Define, if use MAKE.BAT file to compile output.", {}},
        {"Description", PropRow::kText, "Small description to project.", {}},
    };
    return rows;
}

const std::vector<PageRow>& DebuggingRows()
{
    static const std::vector<PageRow> rows{
        {"Command", PropRow::kFile, "Define debug application.", {}},
        {"Command Arguments", PropRow::kText, "Define command switch for debug application.", {}},
        {"Working Directory", PropRow::kFile, "Define working directory for debug application.", {}},
    };
    return rows;
}

}  // namespace

const std::vector<PageRow>& PropertyPageRows(const std::string& pageKey)
{
    static const std::vector<PageRow> none;
    if (pageKey == "prGeneral") { return GeneralRows(); }
    if (pageKey == "prDebugging") { return DebuggingRows(); }
    return none;
}

}  // namespace kforge
