// build.cpp: the build that turns the generated C++ file into a library, a
// program or a DLL with bcc32, tlib and ilink32.
#include "compiler.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

extern char** environ;

namespace kiln {

namespace {

using command_line = std::vector<std::string>;

// Runs one tool, found through PATH, with the compiler's own standard
// output and error and without a shell; true when it exited with 0.
bool run_tool(const command_line& command)
{
    std::cout.flush();
    std::fflush(stdout);
    std::vector<char*> argv;
    for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    pid_t pid;
    if (int error = posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ)) {
        std::cerr << command[0] << ": " << std::strerror(error) << "\n";
        return false;
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void remove_file(const std::string& path) { std::remove(host_path(path).c_str()); }

command_line compile_command(const std::string& m, bool no_exceptions)
{
    command_line command{"bcc32", "-d", "-O2", "-c", "-w-"};
    if (no_exceptions) command.push_back("-x-");
    command.insert(command.end(), {"-WM", m + ".cpp"});
    return command;
}

// A DLL's start-up object initialises its modules on the first call of an
// EXPORTed procedure and finalises them when the DLL is unloaded.
command_line startup_objects(const compiler& c)
{
    std::string core = c.run.basedir + "lib/core/";
    if (c.dll) return {"-aa", "-Tpd", "c0d32.obj", core + (c.debug ? "stdll_dev.obj" : "stdll.obj")};
    if (c.console) return {"-ap", "c0x32.obj", core + (c.debug ? "stc_dev.obj" : "stc.obj")};
    return {"-aa", "-Tpe", "c0w32.obj", core + (c.debug ? "stw_dev.obj" : "stw.obj")};
}

// ilink32's fields (objects, output, map, libraries, resources) are
// separated by commas; its front-end joins the words with blanks.
command_line link_command(const compiler& c)
{
    const std::string& m = c.this_module.name;
    command_line command{"ilink32", "-Gn"};
    for (std::string& word : startup_objects(c)) command.push_back(std::move(word));
    command.push_back(c.run.basedir + "lib/core/" + (c.debug ? "core_dev.obj" : "core.obj"));
    command.push_back(m + ".obj");
    command.push_back("," + m + (c.dll ? ".dll" : ".exe") + ",nul,cw32mt.lib");
    command.push_back("import32.lib");
    for (size_t i = 1; i < c.loaded_modules.size(); ++i)
        command.push_back(c.loaded_modules[i]->prefix + c.loaded_modules[i]->name + ".lib");
    if (!c.resource_file.empty()) command.back() += ",," + host_path(without_extension(c.resource_file) + ".res");
    return command;
}

}  // namespace

// After a failed tool the later tools are skipped, the intermediate files
// are still removed, and a library's fresh module file goes too, so that
// no later run takes the library for current.
void build(compiler& c)
{
    c.output.close();
    if (c.abort_build) return;
    const std::string& m = c.this_module.name;
    std::string failed_tool;
    if (!run_tool(compile_command(m, c.run.no_exceptions))) failed_tool = "bcc32";
    if (c.library || c.run.library_option) {
        if (failed_tool.empty() && !run_tool({"tlib", "/P32", m + ".lib", "-+" + m})) failed_tool = "tlib";
        remove_file(m + ".bak");
    } else {
        if (failed_tool.empty() && !run_tool(link_command(c))) failed_tool = "ilink32";
        if (!c.interface_module) remove_file(m + ".cpp");
        remove_file(m + ".tds");
    }
    remove_file(m + ".obj");
    if (failed_tool.empty()) return;
    if (c.library) remove_file(m + ".kmd");
    throw tool_failure{failed_tool};
}

}  // namespace kiln
