#include "frontend.h"

#include "text.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace kiln {

int run_frontend(const std::string& tool, const std::string& banner, int argc,
                 const char* const* argv, const FrontendBody& body) {
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

void remove_old_output(const std::string& path) {
    if (std::remove(path.c_str()) != 0 && errno != ENOENT)
        throw Failure("unable to remove '" + path + "': " + std::strerror(errno));
}

}  // namespace kiln
