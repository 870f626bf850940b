// main.cpp: the kln command line. Prints the banner, reads the switches,
// compiles one module, optionally writes its header, runs the build, and
// reports either the time taken or the first error.
#include "compiler.h"

#include <chrono>
#include <cstdio>
#include <iostream>

#include <unistd.h>

namespace kiln {

namespace {

const int usage_status = 1;
const int error_status = 2;

struct run_settings {
    session run;  // the -x and -c switches, the base folder
    std::string module_name;
    bool library = false;
    bool header = false;
    bool dump_only = false;
    bool debug = true;
};

void print_usage()
{
    std::cout << "Usage: kln [<options>] <module-name>\n"
              << "  -l  Compile library          -p  Dump C++ output only\n"
              << "  -h  Generate C++ header      -r  Don't produce debugging info\n"
              << "  -x  No Exception Handling    -c  Don't convert variables\n";
}

void apply_switch(char letter, run_settings& settings)
{
    switch (letter) {
        case 'l':
            settings.library = true;
            break;
        case 'p':
            settings.dump_only = true;
            break;
        case 'h':
            settings.header = true;
            break;
        case 'r':
            settings.debug = false;
            break;
        case 'x':
            settings.run.no_exceptions = true;
            break;
        case 'c':
            settings.run.no_convert = true;
            break;
        default:
            break;  // unknown letters are ignored
    }
}

// Switches precede the module name; only their second character counts.
// Returns false when no module name is given.
bool scan_arguments(int argc, char** argv, run_settings& settings)
{
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        if (argument.size() >= 2 && (argument[0] == '-' || argument[0] == '/')) {
            apply_switch(argument[1], settings);
        } else {
            settings.module_name = argument;
            return true;
        }
    }
    return false;
}

// The tool chain's root: the folder above the one that holds kln.
std::string base_folder()
{
    std::string path = exe_path();
    for (int level = 0; level < 2; ++level) {
        size_t slash = path.rfind('/');
        path = slash == std::string::npos ? "" : path.substr(0, slash);
    }
    return path + "/";
}

long long now_ms()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// A module name with a folder ("My Projects/Hello", "..\src\Hello.kln")
// builds as if kln had been started in that folder: the module's imports
// are looked up, and its files and the tools' error files written, beside
// it. Returns the name without its folder.
std::string enter_module_folder(const std::string& module_name)
{
    size_t slash = module_name.find_last_of("/\\");
    if (slash == std::string::npos) return module_name;
    std::string folder = host_path(module_name.substr(0, slash + 1));
    if (chdir(folder.c_str()) != 0) throw "Error opening input file";
    return module_name.substr(slash + 1);
}

// After a successful run the compiler object is left to the end of the
// process: the output is closed, and its symbol tables go back to the system
// with the process instead of node by node (a fifth of the time of a large
// module). After an error it is destroyed, which drops the translated text:
// an existing C++ file keeps its content.
void compile_and_build(run_settings& settings)
{
    settings.run.basedir = base_folder();
    settings.run.rebuild_limit = rebuild_limit_from_environment();
    std::unique_ptr<compiler> c(new compiler(enter_module_folder(settings.module_name), settings.run));
    settings.run.rebuild_stale_imports(*c, settings.debug);
    c->compile(settings.library, settings.debug);
    if (settings.header) write_header(c->this_module, "");
    if (!settings.dump_only) {
        std::cout << "   Compiling...\n";
        build(c->to_build());
    }
    c->output.close();
    c.release();
}

// Runs the compilation; prints the one error line and returns the exit
// status when anything fails.
int run(run_settings& settings)
{
    long long start = now_ms();
    std::cout << "Compiling module: " << settings.module_name << "\n"
              << "   Processing...\n";
    try {
        compile_and_build(settings);
    } catch (...) {
        std::cout << error_line_of_current_exception() << "\n";
        return error_status;
    }
    float seconds = float(now_ms() - start) * 0.001f;
    std::cout << "Done in " << seconds << " seconds\n";
    return 0;
}

int run_command_line(int argc, char** argv)
{
    std::cout << "\nKiln compiler version " << version_major << "." << version_minor << "." << version_release
              << "\n\n";
    run_settings settings;
    int status = scan_arguments(argc, argv, settings) ? run(settings) : (print_usage(), usage_status);
    std::cout.flush();
    return status;
}

}  // namespace

}  // namespace kiln

int main(int argc, char** argv) { return kiln::run_command_line(argc, argv); }
