#include "frontend.h"

#include "text.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace kiln {

int run_frontend(const std::string& tool, const std::string& banner, int argc, const char* const* argv,
                 const FrontendBody& body)
{
    // A reader that goes away early must not end the run half-way: the error
    // file and the exit status still have to tell the outcome.
    std::signal(SIGPIPE, SIG_IGN);
    Report report(tool, banner);
    try {
        body(join_arguments(argc, argv), report);
        return 0;
    } catch (const Failure& failure) {
        report.error(failure.what());
    } catch (const std::exception& unexpected) {
        report.error(std::string("internal error: ") + unexpected.what());
    }
    return 1;
}

void remove_old_output(const std::string& path)
{
    // Removing would take an empty folder away and let the tool write a file
    // in its place, a success that destroys what the name stood for.
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) throw Failure("output file '" + path + "' is a folder");
    if (std::remove(path.c_str()) != 0 && errno != ENOENT)
        throw Failure("unable to remove '" + path + "': " + std::strerror(errno));
}

void require_input(const std::string& path)
{
    if (!file_exists(path)) throw Failure("unable to open file '" + path + "'");
}

}  // namespace kiln
