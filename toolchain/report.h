// The messages of one front-end run: every line goes to standard output
// (which kln passes on and the IDE captures) and to the tool's error file
// "<tool>.err" in the current folder, written with CR LF line ends and a
// banner as its first line.
#pragma once

#include <fstream>
#include <string>

namespace kiln {

class Report {
public:
    // Replaces "<tool>.err" and writes "<tool>: <banner>" as its first line.
    Report(const std::string& tool, const std::string& banner);

    void line(const std::string& text);
    // "Error <tool>: <reason>".
    void error(const std::string& reason);

    const std::string& tool() const { return tool_; }

private:
    std::string tool_;
    std::ofstream error_file_;
};

}  // namespace kiln
