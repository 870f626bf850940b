#include "report.h"

#include <iostream>

namespace kiln {

Report::Report(const std::string& tool, const std::string& banner)
    : tool_(tool), error_file_(tool + ".err", std::ios::binary | std::ios::trunc)
{
    line(tool + ": " + banner);
    if (!error_file_) std::cout << "Warning " << tool << ": unable to write '" << tool << ".err'\n";
}

void Report::line(const std::string& text)
{
    std::cout << text << '\n' << std::flush;
    if (error_file_) error_file_ << text << "\r\n" << std::flush;
}

void Report::error(const std::string& reason) { line("Error " + tool_ + ": " + reason); }

}  // namespace kiln
