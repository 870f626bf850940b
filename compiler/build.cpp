// build.cpp: the build that turns the generated C++ file into a library, a
// program or a DLL with bcc32, tlib and ilink32.
#include "build.h"
#include "util.h"

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

// Runs one tool, found through PATH, in `folder` ("" for the current one),
// with the compiler's own standard output and error and without a shell;
// true when it exited with 0.
bool run_tool(const command_line& command, const std::string& folder)
{
    std::cout.flush();
    std::fflush(stdout);
    std::vector<char*> argv;
    for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!folder.empty()) posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    pid_t pid;
    int error = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error) {
        std::cerr << command[0] << ": " << std::strerror(error) << "\n";
        return false;
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

command_line compile_command(const build_request& request)
{
    command_line command{"bcc32", "-d", "-O2", "-c", "-w-"};
    if (request.no_exceptions) command.push_back("-x-");
    command.insert(command.end(), {"-WM", request.module + ".cpp"});
    return command;
}

// A DLL's start-up object initialises its modules on the first call of an
// EXPORTed procedure and finalises them when the DLL is unloaded.
command_line startup_objects(const build_request& request)
{
    std::string core = request.basedir + "lib/core/";
    switch (request.target) {
        case build_target::dll:
            return {"-aa", "-Tpd", "c0d32.obj", core + (request.debug ? "stdll_dev.obj" : "stdll.obj")};
        case build_target::windowed_program:
            return {"-aa", "-Tpe", "c0w32.obj", core + (request.debug ? "stw_dev.obj" : "stw.obj")};
        default:
            return {"-ap", "c0x32.obj", core + (request.debug ? "stc_dev.obj" : "stc.obj")};
    }
}

// ilink32's fields (objects, output, map, libraries, resources) are
// separated by commas; its front-end joins the words with blanks.
command_line link_command(const build_request& request)
{
    const std::string& m = request.module;
    command_line command{"ilink32", "-Gn"};
    for (std::string& word : startup_objects(request)) command.push_back(std::move(word));
    command.push_back(request.basedir + "lib/core/" + (request.debug ? "core_dev.obj" : "core.obj"));
    command.push_back(m + ".obj");
    command.push_back("," + m + (request.target == build_target::dll ? ".dll" : ".exe") + ",nul,cw32mt.lib");
    command.push_back("import32.lib");
    for (const std::string& library : request.libraries) command.push_back(library);
    if (!request.resource_file.empty())
        command.back() += ",," + host_path(without_extension(request.resource_file) + ".res");
    return command;
}

}  // namespace

std::vector<std::string> library_build_files(const std::string& m)
{
    return {m + ".cpp", m + ".kmd", m + ".lib", m + ".obj", m + ".bak"};
}

// After a failed tool the later tools are skipped, the intermediate files
// are still removed, and a library's fresh module file goes too, so that
// no later run takes the library for current.
void build(const build_request& request)
{
    if (request.run_no_tool) return;
    const std::string& m = request.module;
    const std::string& folder = request.folder;
    auto remove_file = [&](const std::string& name) { std::remove(host_path(folder + name).c_str()); };
    std::string failed_tool;
    if (!run_tool(compile_command(request), folder)) failed_tool = "bcc32";
    if (request.target == build_target::library) {
        if (failed_tool.empty() && !run_tool({"tlib", "/P32", m + ".lib", "-+" + m}, folder)) failed_tool = "tlib";
        remove_file(m + ".bak");
    } else {
        if (failed_tool.empty() && !run_tool(link_command(request), folder)) failed_tool = "ilink32";
        if (!request.keep_source) remove_file(m + ".cpp");
        remove_file(m + ".tds");
    }
    remove_file(m + ".obj");
    if (failed_tool.empty()) return;
    if (request.module_file_written) remove_file(m + ".kmd");
    throw tool_failure{failed_tool};
}

}  // namespace kiln
