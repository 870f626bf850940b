// build.cpp: the reserved words, and the build that turns the generated
// C++ file into a library, a program or a DLL with bcc32, tlib and ilink32.
#include "kln.h"

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace {

const char* const reserved_words[] = {
    "PUBLIC", "PRIVATE", "PROTECTED", "PUBLISHED", "DIM", "SUB", "FUNCTION", "PROPERTY", "SET", "GET", "LET",
    "END", "GOTO", "CONST", "AS", "USING", "INTERFACE", "OPTION", "EXIT", "CALL", "IF", "THEN", "ELSE",
    "ELSEIF", "DO", "WHILE", "UNTIL", "LOOP", "WEND", "FOR", "TO", "STEP", "NEXT", "SELECT", "CASE", "TRY",
    "CATCH", "THROW", "PRINT", "INPUT", "BYTE", "SHORT", "LONG", "INTEGER", "WORD", "DWORD", "ENUM",
    "SINGLE", "DOUBLE", "DECIMAL", "BOOLEAN", "OBJECT", "VARIANT", "CLASS", "EXTENDS", "TYPE", "ALIAS",
    "BUILTIN", "DECLARE", "EXTERNAL", "INITIALIZATION", "FINALIZATION", "COLLECTION", "DICTIONARY",
    "ITERATE", "INCR", "DECR", "SWAP", "EXPORT", "#CPP", "#KLN",
};

// Runs one tool command through the shell; true when it exited with 0.
bool run_tool(const std::string& command)
{
    std::cout.flush();
    std::fflush(stdout);
    int status = std::system(command.c_str());
    return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void remove_file(const std::string& path)
{
    std::remove(host_path(path).c_str());
}

std::string compile_command(const std::string& m)
{
    return std::string("bcc32 -d -O2 -c -w- ") + (no_exceptions ? "-x- " : "") + "-WM " + m + ".cpp";
}

// A DLL links no start-up object of the run-time, so nothing calls its
// __init_all: the modules of a DLL are not initialised and its DLL loader
// block does not run.
std::string startup_objects(const compiler& c)
{
    std::string core = c.basedir + "lib/core/";
    if (c.dll) return "-aa -Tpd c0d32.obj ";
    if (c.console) return "-ap c0x32.obj " + core + (c.debug ? "stc_dev.obj " : "stc.obj ");
    return "-aa -Tpe c0w32.obj " + core + (c.debug ? "stw_dev.obj " : "stw.obj ");
}

std::string link_command(const compiler& c)
{
    const std::string& m = c.this_module.name;
    std::string line = "ilink32 -Gn " + startup_objects(c);
    line += c.basedir + "lib/core/" + (c.debug ? "core_dev.obj " : "core.obj ");
    line += m + ".obj ," + m + (c.dll ? ".dll" : ".exe") + ",nul,cw32mt.lib import32.lib";
    for (size_t i = 1; i < c.loaded_modules.size(); ++i)
        line += " " + c.loaded_modules[i]->prefix + c.loaded_modules[i]->name + ".lib";
    if (!c.resource_file.empty()) line += ",," + host_path(change_ext(c.resource_file, "res"));
    return line;
}

}  // namespace

bool is_reserved_word(const std::string& name)
{
    static const nocase_set words(std::begin(reserved_words), std::end(reserved_words));
    return words.count(name) != 0;
}

void check_reserved_word(const std::string& name)
{
    if (is_reserved_word(name)) throw "illegal use of reserved word '" + name + "' as identifier";
}

// After a failed tool the later tools are skipped, the intermediate files
// are still removed, and a library's fresh module file goes too, so that
// no later run takes the library for current.
void compiler::build()
{
    output.close();
    if (abort_build) return;
    const std::string& m = this_module.name;
    std::string failed_tool;
    if (!run_tool(compile_command(m))) failed_tool = "bcc32";
    if (library || library_option) {
        if (failed_tool.empty() && !run_tool("tlib /P32 " + m + ".lib -+" + m)) failed_tool = "tlib";
        remove_file(m + ".bak");
    } else {
        if (failed_tool.empty() && !run_tool(link_command(*this))) failed_tool = "ilink32";
        if (!interface_module) remove_file(m + ".cpp");
        remove_file(m + ".tds");
    }
    remove_file(m + ".obj");
    if (failed_tool.empty()) return;
    if (library) remove_file(m + ".kmd");
    throw tool_failure{failed_tool};
}
